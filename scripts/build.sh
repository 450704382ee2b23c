#!/usr/bin/env bash
# Configures and builds one build folder: a Release build with warnings as errors unless the
# arguments say otherwise; a sanitizer build keeps its debug information for readable reports.
#   build.sh <folder> [cmake arguments...] [-- targets...]
set -euo pipefail
dir=$1
shift
args=()
while (($#)) && [ "$1" != "--" ]; do
  args+=("$1")
  shift
done
[ "${1:-}" = "--" ] && shift
targets=()
(($#)) && targets=(--target "$@")
type=Release
[[ " ${args[*]} " == *" -DQU_SANITIZE=ON "* ]] && type=RelWithDebInfo
# Later arguments win, so the caller's own build type or warning setting holds. A folder that is
# configured again ignores its toolchain file; that is no news worth a warning.
cmake --no-warn-unused-cli -S "$(dirname "$0")/.." -B "$dir" -DCMAKE_BUILD_TYPE="$type" \
  -DQU_WERROR=ON "${args[@]}" >/dev/null
cmake --build "$dir" -j2 "${targets[@]}"
