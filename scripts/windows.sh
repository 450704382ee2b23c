#!/usr/bin/env bash
# Cross-builds the native 32-bit Windows program, the stand-in utility and the tests with
# MinGW-w64 into build-win/, and runs the unit and scenario tests under Wine on a virtual display,
# with a private Wine prefix and a persistent Wine server. Ends non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# --- What the cross build and Wine need (Debian 12). Recommends stay on: they bring Wine's fonts.
packages=(g++-mingw-w64-i686-posix wine wine32:i386 googletest xvfb xauth fonts-wine)
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
fresh_architecture=false
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  fresh_architecture=true
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if $fresh_architecture || ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# --- Build.
start=$SECONDS
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-win -j2

# --- Wine: a private prefix, a virtual display, one server for the whole run.
export WINEPREFIX="$root/build-win/wineprefix"
export WINEDEBUG=-all
# No downloads of Wine's .NET and HTML engines: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
display=90
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

mkdir -p "$WINEPREFIX"
wineserver -p
# The prefix and Wine's own services come up here, not inside the first test.
wineboot -i >/dev/null 2>&1
# All windows on one virtual desktop: without a window manager each new window would otherwise
# wait for the X server's answers. Caption buttons need Wine's marlett font in the prefix.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

(cd build-win && ctest -j2 --output-on-failure)
echo "Windows build and tests passed in $((SECONDS - start)) s."
