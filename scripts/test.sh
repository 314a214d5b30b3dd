#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the licence line and the formatting of the C++ files, then builds everything once with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test (scripts/sanitize.sh), then
# a short run of each fuzz target (scripts/fuzz.sh). Ends with one line,
# "tests: N passed, N failed", over the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

bash scripts/check_spdx.sh
bash scripts/check_format.sh

status=0
bash scripts/sanitize.sh || status=$?
bash scripts/fuzz.sh 15 || status=1

# The closing line, from ctest's summary: "N% tests passed, N tests failed out of N".
line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' \
  build-check/logs/ctest.log 2>/dev/null | tail -n 1 || true)
if [ -z "$line" ]; then
  echo "== No test ran: the build failed"
  echo "tests: 0 passed, 0 failed"
  exit 1
fi
total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
failed=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
echo "tests: $((total - failed)) passed, ${failed} failed"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ]
