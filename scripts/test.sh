#!/usr/bin/env bash
# Sets the machine up, then builds and runs every test twice: a Release build with warnings as
# errors and one with AddressSanitizer and UndefinedBehaviorSanitizer; fuzzes the readers of
# outside input; cross-builds the Windows program for 32 and 64 bits and runs its tests under
# Wine; makes the release archives from the Release builds and checks them. Ends non-zero on
# any failure.
#   QU_TEST_LOCK=<file>  holds that lock file while tests run (a machine shared by developers).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
start=$SECONDS

bash scripts/build.sh build
(cd build && bash ../scripts/locked.sh ctest -j2 --output-on-failure)

bash scripts/build.sh build-asan -DQU_SANITIZE=ON -DQU_BUILD_BENCHMARKS=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  bash ../scripts/locked.sh ctest -j2 --output-on-failure)

bash scripts/fuzz.sh

# The native Windows program, cross-compiled and tested under Wine.
bash scripts/windows.sh

# The release archives, from the Release builds above.
bash scripts/package.sh

echo "All tests passed in $((SECONDS - start)) s."
