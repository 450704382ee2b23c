#!/usr/bin/env bash
# Fuzzes the readers of outside input with libFuzzer, ASan and UBSan, each for a bounded time, in
# a clang build of their own (build-fuzz/): the file version reader, the settings file (read,
# change, write, read again), the run log with the result line, and the language file.
# Usage: scripts/fuzz.sh [seconds per target, default 25] [target...]
# Exits non-zero when a fuzzer finds a crash, a hang or an oversized allocation; the input that
# caused it is left in build-fuzz/ as crash-*, timeout-* or oom-*. Corpora grow in
# build-fuzz/corpus/<target>.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-25}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(file_version_fuzz settings_file_fuzz run_log_fuzz language_file_fuzz)

# Optimised: unoptimised targets run about four times fewer inputs in the same time.
CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQU_FUZZ=ON \
  -DQU_BUILD_GUI=OFF -DQU_BUILD_BENCHMARKS=OFF -DQU_WERROR=ON >/dev/null
cmake --build "$build" --target "${targets[@]}" file_version_seeds -j2

corpus="$build/corpus"
mkdir -p "$corpus"/{file_version_fuzz,settings_file_fuzz,run_log_fuzz,language_file_fuzz}

# Version reader: PE images with version resources, and a stamped section as objcopy adds it to
# a program.
"$build/tests/fuzz/file_version_seeds" "$corpus/file_version_fuzz"
printf '1.0.3.27\0' >"$build/version.bin"
objcopy -I binary -O elf64-x86-64 --rename-section .data=.fileversion \
  "$build/version.bin" "$corpus/file_version_fuzz/stamped64.elf"
objcopy -I binary -O elf32-i386 --rename-section .data=.fileversion \
  "$build/version.bin" "$corpus/file_version_fuzz/stamped32.elf"

cp "$root"/tests/unit/settings/data/*.ini "$corpus/settings_file_fuzz/"
cp "$root/data/quintarisupdater.loc" "$corpus/language_file_fuzz/"
printf '19\r\nProcess canceled by user\r\n' >"$corpus/run_log_fuzz/canceled.txt"
printf '\xef\xbb\xbf0\r\nUpdates downloaded\r\n' >"$corpus/run_log_fuzz/utf8.txt"
printf '\xff\xfe0\x00\r\x00\n\x00O\x00K\x00\r\x00\n\x00' >"$corpus/run_log_fuzz/utf16.txt"

# The language reader resolves every text of the window per input, so small files keep it quick.
declare -A options=([language_file_fuzz]="-max_len=1024")

cd "$build"
for target in "${targets[@]}"; do
  echo "== $target: $seconds s"
  # shellcheck disable=SC2086
  "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 \
    -malloc_limit_mb=64 -artifact_prefix="$build/" ${options[$target]:-} "$corpus/$target"
done
