#!/usr/bin/env bash
# Sets the machine up, builds, lays out a demo program folder under build/ and starts the
# program there. Without a display it runs on a virtual one, saves a screenshot and ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
bash scripts/build.sh build -- QuintarisUpdater quintaris-updater-run updater-sim

demo=build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp build/src/app/QuintarisUpdater build/src/runner/quintaris-updater-run "$demo/"
cp build/tools/updater-sim/updater-sim "$demo/Updater.exe"
cp data/quintarisupdater.loc "$demo/"
cp -r data/sample-source "$demo/"
echo "Demo program folder: $root/$demo"

if [ -n "${DISPLAY:-}" ]; then
  cd "$demo" && exec ./QuintarisUpdater
fi

shot=$root/build/screenshot.png
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  openbox >/dev/null 2>&1 &
  sleep 0.5
  cd '$demo' && ./QuintarisUpdater &
  app=\$!
  sleep 3
  import -window root '$shot'
  kill \$app 2>/dev/null || true
  wait \$app 2>/dev/null || true
"
echo "No display: the program ran on a virtual display; screenshot saved to $shot"
