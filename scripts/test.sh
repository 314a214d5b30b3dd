#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the sanitizer build of the core
# and command-line tests, then a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Build and test (RelWithDebInfo)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

if [ -x scripts/sanitize.sh ]; then bash scripts/sanitize.sh; fi
if [ -x scripts/fuzz.sh ]; then bash scripts/fuzz.sh 30; fi
