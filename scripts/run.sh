#!/usr/bin/env bash
# Builds the program and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTZ9_BUILD_TESTS=OFF -DTZ9_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target tz9perf tz9perf-table
exec ./build/src/window/tz9perf "$@"
