#!/usr/bin/env bash
# Configures and builds one build folder.
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
cmake -S "$(dirname "$0")/.." -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" >/dev/null
cmake --build "$dir" -j2 "${targets[@]}"
