#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything once in build-check (scripts/configure_check.sh: -O1, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test there; the window tests run on the offscreen
# platform. Arguments go to ctest: `bash scripts/sanitize.sh -L performance`. The ctest output is
# kept in build-check/logs/ctest.log.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
rm -f build-check/logs/ctest.log
echo "== Build (-O1, AddressSanitizer + UndefinedBehaviorSanitizer)"
bash scripts/configure_check.sh
cmake --build build-check -j"$jobs"
echo "== Tests"
mkdir -p build-check/logs
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-check --output-on-failure -j"$jobs" "$@" | tee build-check/logs/ctest.log
