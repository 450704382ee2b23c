#!/usr/bin/env bash
# Cross-builds the native Windows program, the stand-in utility and the tests with MinGW-w64 for
# 32-bit Windows (build-win32/, the program we ship) and for 64-bit Windows (build-win64/), and
# runs the unit and scenario tests under Wine on a virtual display, each architecture in its own
# Wine prefix with its own Wine server. The 32-bit tests need a machine that runs 32-bit
# programs; where it does not, the 32-bit program's shape is checked instead. Says which suites
# ran; ends non-zero when a suite that could run failed.
#   QU_HOST_RUNS_32BIT=yes|no  overrides the probe of whether this machine runs 32-bit programs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/virtual_display.sh

# --- Does this machine run 32-bit x86 programs? Tried, not guessed from the kernel: a minimal
# i386 ELF program that only exits with status 42.
probe_32bit() {
  local probe=build-win32/i386-probe
  mkdir -p build-win32
  printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  local status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

case "${QU_HOST_RUNS_32BIT:-}" in
  yes) runs_32bit=true how="told by QU_HOST_RUNS_32BIT" ;;
  no) runs_32bit=false how="told by QU_HOST_RUNS_32BIT" ;;
  "") if probe_32bit; then runs_32bit=true; else runs_32bit=false; fi; how="a 32-bit program was tried" ;;
  *)
    echo "QU_HOST_RUNS_32BIT must be yes or no" >&2
    exit 2
    ;;
esac
echo "This machine runs 32-bit programs: $($runs_32bit && echo yes || echo no) ($how)."

# --- What the cross builds and Wine need (Debian 12). Recommends stay on: they bring Wine's fonts.
packages=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 googletest
  xvfb xauth fonts-wine)
if $runs_32bit; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  packages+=(wine32:i386)
fi
bash scripts/install_packages.sh "${packages[@]}"

# --- Build both; the 32-bit program is built wherever it can be run or not.
start=$SECONDS
bash scripts/build.sh build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
bash scripts/build.sh build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

# --- Wine: one prefix and one server per architecture, everything inside the build folder.
export WINEDEBUG=-all
# No downloads of Wine's .NET and HTML engines, and no menu entries or file types in $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
saved_tmpdir=${TMPDIR:-}
wine_prefix_up=false

# Starts the Wine server of <build folder> for architecture <win32|win64> and readies its prefix.
start_wine() {
  local loader=/usr/lib/wine/wine
  [ "$2" = win64 ] && loader=/usr/lib/wine/wine64
  export WINEARCH=$2 WINEPREFIX="$root/$1/wineprefix"
  # Wine's server keeps its socket in a folder under TMPDIR.
  export TMPDIR="$root/$1/wine-tmp"
  mkdir -p "$WINEPREFIX" "$TMPDIR"
  wineserver -p
  wine_prefix_up=true
  # The prefix and Wine's own services come up here, not inside the first test.
  "$loader" wineboot.exe -i >/dev/null 2>&1
  # All windows on one virtual desktop: without a window manager each new window would
  # otherwise wait for the X server's answers. Caption buttons need Wine's marlett font.
  "$loader" reg.exe add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$loader" reg.exe add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
    >/dev/null 2>&1
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

stop_wine() {
  $wine_prefix_up || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$TMPDIR"
  if [ -n "$saved_tmpdir" ]; then export TMPDIR=$saved_tmpdir; else unset TMPDIR; fi
  wine_prefix_up=false
}

cleanup() {
  stop_wine
  stop_virtual_display
}
trap cleanup EXIT
start_virtual_display build-win64

ran=()
not_run=()
failed=()
# Runs the tests of <build folder> for <architecture> under Wine: <title> names the suite.
run_suite() {
  start_wine "$1" "$2"
  if (cd "$1" && bash "$root/scripts/locked.sh" ctest -j2 --output-on-failure); then
    ran+=("$3: passed")
  else
    ran+=("$3: FAILED")
    failed+=("$3")
  fi
  stop_wine
}

if $runs_32bit; then
  run_suite build-win32 win32 "32-bit Windows tests under 32-bit Wine (build-win32)"
else
  not_run+=("32-bit Windows tests: this machine runs no 32-bit programs ($how)")
  if bash scripts/check_windows_exe.sh build-win32/src/app/QuintarisUpdater.exe; then
    ran+=("32-bit program's shape checked instead (PE32 x86, manifest, version, imports): passed")
  else
    ran+=("32-bit program's shape check: FAILED")
    failed+=("32-bit shape check")
  fi
fi
run_suite build-win64 win64 "64-bit Windows tests under 64-bit Wine (build-win64)"

echo
echo "Windows suites, $((SECONDS - start)) s:"
for line in "${ran[@]}"; do echo "  ran         $line"; done
for line in "${not_run[@]}"; do echo "  not run     $line"; done
((${#failed[@]} == 0))
