#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the licence line and the formatting of the C++ files, then builds everything and runs
# every test: the normal build, then the sanitizer build of the core, command-line and window
# tests, then a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

bash scripts/check_spdx.sh
bash scripts/check_format.sh

echo "== Build and test (RelWithDebInfo)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTZ9_BUILD_TESTS=ON -DTZ9_BUILD_WINDOW=ON \
  -DTZ9_BUILD_BENCH=ON -DTZ9_SANITIZE=OFF -DTZ9_BUILD_FUZZ=OFF >/dev/null
cmake --build build -j"$jobs"
mkdir -p build/logs
ctest --test-dir build --output-on-failure -j"$jobs" | tee build/logs/ctest.log

bash scripts/sanitize.sh | tee build/logs/ctest-sanitize.log
bash scripts/fuzz.sh 30

# One closing line over both test runs: "tests: N passed, N failed".
passed=0
failed=0
for log in build/logs/ctest.log build/logs/ctest-sanitize.log; do
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done
echo "tests: ${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
