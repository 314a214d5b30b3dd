#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and prints their medians.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTZ9_BUILD_TESTS=OFF -DTZ9_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target tz9core_bench tz9analysis_bench tz9compare_bench \
  tz9window_bench tz9details_bench tz9analysis_window_bench tz9charts_bench
./build-bench/bench/tz9core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
./build-bench/bench/tz9analysis_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
./build-bench/bench/tz9compare_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*=false' ./build-bench/bench/tz9window_bench \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*=false' ./build-bench/bench/tz9details_bench \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*=false' ./build-bench/bench/tz9analysis_window_bench \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*=false' ./build-bench/bench/tz9charts_bench \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
# The Python module's table against the core sweep, with the interpreter the module was built for.
targets=$(cmake --build build-bench --target help)
if grep -q tz9perf_python <<<"$targets"; then
  cmake --build build-bench -j"$(nproc)" --target tz9perf_python
  python=$(sed -n 's/^Python3_EXECUTABLE:FILEPATH=//p' build-bench/CMakeCache.txt)
  PYTHONPATH=build-bench "${python:-python3}" bench/python_table_bench.py \
    --core-bench build-bench/bench/tz9core_bench
fi
