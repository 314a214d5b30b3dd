#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for the given number of seconds (default 30)
# from its seed corpus. Findings are saved under build-fuzz/findings and fail the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a \
    >/dev/null 2>&1; then
  echo "== Fuzz run skipped: clang's libFuzzer runtime is not installed"
  exit 0
fi
echo "== Fuzz targets, ${seconds} s each"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTZ9_BUILD_FUZZ=ON -DTZ9_BUILD_WINDOW=OFF -DTZ9_BUILD_TESTS=OFF -DTZ9_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_aircraft_file fuzz_number_texts fuzz_tool_arguments
mkdir -p build-fuzz/findings
for target in fuzz_aircraft_file fuzz_number_texts fuzz_tool_arguments; do
  work=build-fuzz/corpus-$target
  mkdir -p "$work"
  ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/$target "$work" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=262144 \
    -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 2>&1 | tail -n 12
done
