#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts the window, with the generic fighter loaded unless another
# aircraft file is given.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTZ9_BUILD_TESTS=OFF -DTZ9_BUILD_BENCH=OFF \
  -DTZ9_BUILD_WINDOW=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target tz9perf tz9perf-table
[ $# -gt 0 ] || set -- examples/generic-fighter.dat
exec ./build-release/src/window/tz9perf "$@"
