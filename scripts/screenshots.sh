#!/usr/bin/env bash
# Renders the pictures in docs/ from the real program: a first start in a fresh program folder,
# the dialogs, a run of the stand-in utility and its result. Needs a built build/ folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --build build -j2 --target qu-screenshots updater-sim >/dev/null

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp build/tools/screenshots/qu-screenshots "$folder/QuintarisUpdater"
cp build/tools/updater-sim/updater-sim "$folder/Updater.exe"
cp data/quintarisupdater.loc "$folder/"
cp -r data/sample-source "$folder/"
# Slow enough that the running state can be seen.
QU_SIM_FILE_DELAY_MS=150 QT_QPA_PLATFORM=offscreen "$folder/QuintarisUpdater" "$root/docs"
ls "$root"/docs/*.png
