#!/usr/bin/env bash
# Runs a Windows test program under Wine for ctest:  wine-run.sh win32|win64 program [arguments]
# The loader is chosen by the build's architecture: the `wine` wrapper takes the 32-bit loader
# whenever wine32 is installed, which cannot run a 64-bit program, nor anything on a machine
# that runs no 32-bit code. Wine's helper processes (a console host, its services) inherit the
# program's output and may outlive it, which would keep ctest waiting on the pipe, so the output
# goes through a file in the prefix and is passed on once the program has ended.
set -uo pipefail
case "${1:-}" in
  win32) loader=/usr/lib/wine/wine ;;
  win64) loader=/usr/lib/wine/wine64 ;;
  *)
    echo "usage: wine-run.sh win32|win64 program [arguments]" >&2
    exit 2
    ;;
esac
export WINEARCH=$1
shift
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix of the build, as scripts/windows.sh does}"
output=$(mktemp -p "$WINEPREFIX" run-output.XXXXXX) || exit
trap 'rm -f "$output"' EXIT
"$loader" "$@" >"$output" 2>&1
code=$?
# Now and then, under load, Wine fails to start a program at all: it fails at once with no
# output, where every test program prints before anything else. That start is tried once more.
if ((code != 0)) && [ ! -s "$output" ]; then
  echo "wine-run.sh: $1 did not start under Wine (exit $code); trying once more" >&2
  "$loader" "$@" >"$output" 2>&1
  code=$?
fi
cat "$output"
exit "$code"
