#!/usr/bin/env bash
# Fuzzes the file version reader for a bounded time with libFuzzer, ASan and UBSan, in its own
# clang build (build-fuzz/). Usage: scripts/fuzz.sh [seconds, default 30].
# Exits non-zero when the fuzzer finds a crash, a hang or an oversized allocation; the input
# that caused it is left in build-fuzz/ as crash-*, timeout-* or oom-*.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-30}

CXX=clang++ cmake -S "$root" -B "$build" -DQU_FUZZ=ON -DQU_BUILD_GUI=OFF \
  -DQU_BUILD_BENCHMARKS=OFF -DQU_WERROR=ON >/dev/null
cmake --build "$build" --target file_version_fuzz file_version_seeds -j2

corpus="$build/corpus"
mkdir -p "$corpus"
"$build/tests/fuzz/file_version_seeds" "$corpus"
# ELF seeds: a stamped section as objcopy adds it to a program.
printf '1.0.3.27\0' >"$build/version.bin"
objcopy -I binary -O elf64-x86-64 --rename-section .data=.fileversion \
  "$build/version.bin" "$corpus/stamped64.elf"
objcopy -I binary -O elf32-i386 --rename-section .data=.fileversion \
  "$build/version.bin" "$corpus/stamped32.elf"

"$build/tests/fuzz/file_version_fuzz" -max_total_time="$seconds" -timeout=5 \
  -rss_limit_mb=1024 -malloc_limit_mb=64 -artifact_prefix="$build/" "$corpus"
