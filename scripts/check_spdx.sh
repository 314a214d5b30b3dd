#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the tracked C++ files whose first line is not the licence identifier line, and fails
# when there is any.
set -euo pipefail
cd "$(dirname "$0")/.."
expected='// SPDX-License-Identifier: GPL-3.0-or-later'
missing=()
while IFS= read -r -d '' file; do
  first=$(head -n 1 -- "$file")
  [ "${first%$'\r'}" = "$expected" ] || missing+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')
if [ ${#missing[@]} -gt 0 ]; then
  echo "== Files whose first line is not '$expected':"
  printf '  %s\n' "${missing[@]}"
  exit 1
fi
echo "== Licence line: every C++ file starts with it"
