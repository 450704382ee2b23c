#!/usr/bin/env bash
# Runs a Windows test program under Wine for ctest. Wine's helper processes (a console host,
# its services) inherit the program's output; they may outlive it and would keep ctest waiting
# on the pipe, so the output goes through a file and is passed on once the program has ended.
set -uo pipefail
output=$(mktemp)
wine "$@" >"$output" 2>&1
code=$?
cat "$output"
rm -f "$output"
exit "$code"
