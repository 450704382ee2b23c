#!/usr/bin/env bash
# Makes the release archives with CPack from Release builds, then checks them:
#   dist/QuintarisUpdater-<version>-linux-x86_64.tar.gz   the Qt program, from build/
#   dist/QuintarisUpdater-<version>-windows-x86.zip       the static 32-bit program, from build-win32/
# <version> is the program's own file version.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
bash scripts/install_packages.sh g++-mingw-w64-i686-posix googletest
# The stand-in utility is not shipped; the check runs the program beside it.
bash scripts/build.sh build -- qu-shipped updater-sim
bash scripts/build.sh build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -- qu-shipped

# Packs <build folder> and moves its archive into dist/; prints the archive's path.
pack() {
  local output archive
  output=$(cd "$1" && cpack) || {
    echo "$output" >&2
    return 1
  }
  archive=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")
  if [ -z "$archive" ]; then
    echo "$output" >&2
    echo "CPack made no archive in $1" >&2
    return 1
  fi
  mv -f "$archive" dist/
  echo "dist/$(basename "$archive")"
}

mkdir -p dist
linux=$(pack build)
windows=$(pack build-win32)
bash scripts/check_archives.sh "$linux" "$windows"
echo "Release archives: $linux $windows"
