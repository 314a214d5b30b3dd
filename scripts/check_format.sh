#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the tracked C++ files under src, tests, bench and fuzz that clang-format would change
# (per .clang-format), and fails when there is any. Fix them with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "== Format check: clang-format is not installed (bash scripts/deps.sh installs it)" >&2
  exit 1
fi
files=()
while IFS= read -r -d '' file; do
  files+=("$file")
done < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' \
  'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if clang-format --dry-run --Werror -- "${files[@]}" 2>"$report"; then
  echo "== Format: every C++ file is as clang-format leaves it"
  exit 0
fi
echo "== Files that clang-format would change ($(clang-format --version)):"
# Each change is reported as "FILE:LINE:COLUMN: error: ..."; anything else is shown as it came.
if grep -q -- '-Wclang-format-violations' "$report"; then
  sed -n -E 's/^(.*):[0-9]+:[0-9]+: error: .*-Wclang-format-violations.*/  \1/p' "$report" | uniq
else
  cat "$report"
fi
exit 1
