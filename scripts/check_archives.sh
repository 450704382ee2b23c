#!/usr/bin/env bash
# Unpacks the release archives into build/archive-check/ and checks what an administrator gets:
#   check_archives.sh <QuintarisUpdater-<version>-linux-x86_64.tar.gz> <...-windows-x86.zip>
# Each holds one folder with the program, the unattended runner and the language file, and never
# the stand-in utility. The Linux program, with the stand-in put beside it in a copy of the
# folder, starts from there and shows its main window on a virtual display, captioned with the
# archive's version, and the runner answers --help; the Linux folder also holds the runner's
# systemd units. The Windows programs are static 32-bit PE programs with their manifest and
# version, the runner a console program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux_archive=$(realpath "$1")
windows_archive=$(realpath "$2")
work="$root/build/archive-check"
source "$root/scripts/virtual_display.sh"

fail() {
  echo "Archive check: $*" >&2
  exit 1
}

# Unpacks <archive> into <work>/<name>; prints the one folder it must hold.
unpack() {
  local into="$work/$2"
  mkdir -p "$into"
  (cd "$into" && cmake -E tar xf "$1")
  local entries=("$into"/*)
  ((${#entries[@]} == 1)) && [ -d "${entries[0]}" ] || fail "$1 does not hold exactly one folder"
  echo "${entries[0]}"
}

# Fails unless <folder> holds each of the named files and not the stand-in utility.
check_contents() {
  local folder=$1 name
  shift
  for name in "$@"; do
    [ -f "$folder/$name" ] || fail "$(basename "$folder") lacks $name"
  done
  for name in Updater.exe Updater updater-sim updater-sim.exe; do
    [ ! -e "$folder/$name" ] || fail "$(basename "$folder") holds the stand-in utility ($name)"
  done
}

version_of() {
  [[ $(basename "$1") =~ ^QuintarisUpdater-([0-9.]+)-(linux-x86_64\.tar\.gz|windows-x86\.zip)$ ]] ||
    fail "unexpected archive name $(basename "$1")"
  echo "${BASH_REMATCH[1]}"
}

program_pid=
cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  stop_virtual_display
  rm -rf "$work"
}
rm -rf "$work"
mkdir -p "$work"
trap cleanup EXIT

# --- Linux.
version=$(version_of "$linux_archive")
folder=$(unpack "$linux_archive" linux)
check_contents "$folder" QuintarisUpdater quintaris-updater-run quintarisupdater.loc \
  quintarisupdater.desktop quintarisupdater.png quintaris-updater-run.service \
  quintaris-updater-run.timer README.md
[ -x "$folder/QuintarisUpdater" ] || fail "QuintarisUpdater is not executable"
help=$("$folder/quintaris-updater-run" --help) || fail "quintaris-updater-run --help failed"
grep -q '^Exit codes:' <<<"$help" || fail "quintaris-updater-run --help lists no exit codes"
grep -q '^ExecStart=/opt/QuintarisUpdater/quintaris-updater-run$' \
  "$folder/quintaris-updater-run.service" || fail "the service starts no runner"
grep -q '^Exec=' "$folder/quintarisupdater.desktop" || fail "the desktop entry starts nothing"
grep -q 'apt-get install' "$folder/README.md" || fail "the README names no packages to install"

run="$work/program-folder"
cp -r "$folder" "$run"
cp "$root/build/tools/updater-sim/updater-sim" "$run/Updater.exe"
# A private runtime folder keeps the instance lock apart from a program the user has open.
mkdir -m 700 "$work/runtime"
start_virtual_display "$work"
# On the X display whatever platform the caller's environment names (the tests run offscreen).
(cd "$run" && XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb exec ./QuintarisUpdater) \
  >"$work/program.log" 2>&1 &
program_pid=$!
# The main window's caption carries the version the program reads from its own file.
caption="(front end $version)"
window=
for _ in $(seq 150); do
  window=$(xwininfo -root -tree | grep -F "$caption\"" | awk '{print $1}' | head -n1) || true
  [ -n "$window" ] && break
  kill -0 "$program_pid" 2>/dev/null || fail "the Linux program ended at start: $(cat "$work/program.log")"
  sleep 0.2
done
[ -n "$window" ] || fail "no window captioned \"$caption\" appeared: $(cat "$work/program.log")"
xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "the main window is not shown"
echo "Linux archive: $(basename "$linux_archive") starts and shows its window \"$caption\"; its runner answers --help"

# --- Windows.
version=$(version_of "$windows_archive")
folder=$(unpack "$windows_archive" windows)
check_contents "$folder" QuintarisUpdater.exe quintaris-updater-run.exe quintarisupdater.loc
for program in QuintarisUpdater.exe quintaris-updater-run.exe; do
  bash "$root/scripts/check_windows_exe.sh" "$folder/$program"
  strings -el "$folder/$program" | grep -qx "$version" ||
    fail "$program does not carry the version $version"
done
# The PE subsystem: 2 draws windows, 3 is a console program.
headers=$(i686-w64-mingw32-objdump -p "$folder/quintaris-updater-run.exe")
grep -qE '^Subsystem[[:space:]]+0*3[[:space:]]' <<<"$headers" ||
  fail "quintaris-updater-run.exe is not a console program"
echo "Windows archive: $(basename "$windows_archive") checked"
