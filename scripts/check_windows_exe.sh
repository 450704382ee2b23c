#!/usr/bin/env bash
# Checks the shape of a shipped Windows program without running it:
#   check_windows_exe.sh <program.exe>
# a 32-bit x86 PE file whose resources hold the manifest and the version information, and whose
# imports are only DLLs that every Windows has (the C++ runtime is linked in).
set -euo pipefail
program=$1
objdump=i686-w64-mingw32-objdump
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|version|msvcrt|ws2_32)\.dll$'

fail() {
  echo "$program: $*" >&2
  exit 1
}

headers=$("$objdump" -p "$program") || fail "not a PE file"
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit x86 PE file"
grep -qE '^Magic[[:space:]]+010b' <<<"$headers" || fail "no PE32 optional header"
# The resource directory's first level lists the types: 0x10 the version information, 0x18
# the manifest.
resource_type() { grep -qE "^[0-9a-f]+   Entry: ID: 0x0*$1," <<<"$headers"; }
resource_type 10 || fail "no version information resource"
resource_type 18 || fail "no manifest resource"

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "no import table"
foreign=$(grep -vE "$system_dlls" <<<"$imports" || true)
[ -z "$foreign" ] || fail "imports DLLs that Windows does not bring: $(echo $foreign)"
echo "$program: PE32 x86, manifest and version information present, imports $(echo $imports)"
