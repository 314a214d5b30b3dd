#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The core, command-line and window tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer; the window tests run on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "== Build and test with AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTZ9_SANITIZE=ON -DTZ9_BUILD_WINDOW=ON \
  -DTZ9_BUILD_BENCH=OFF -DTZ9_BUILD_TESTS=ON -DTZ9_BUILD_FUZZ=OFF >/dev/null
cmake --build build-sanitize -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
