#!/usr/bin/env bash
# Sets the machine up, then builds and runs every test twice: a normal build and one with
# AddressSanitizer and UndefinedBehaviorSanitizer; fuzzes the readers of outside input;
# cross-builds the Windows program and runs its tests under Wine. Ends non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
start=$SECONDS

bash scripts/build.sh build
(cd build && ctest -j2 --output-on-failure)

bash scripts/build.sh build-asan -DQU_SANITIZE=ON -DQU_BUILD_BENCHMARKS=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 ctest -j2 --output-on-failure)

bash scripts/fuzz.sh

# The native Windows build, cross-compiled and tested under Wine.
bash scripts/windows.sh

echo "All tests passed in $((SECONDS - start)) s."
