#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every fuzz target of build-check (scripts/configure_check.sh; clang only) and runs each
# for the given number of seconds (default 30) from its seed corpus in fuzz/corpus/TARGET, as
# many at once as there are cores. Findings are saved under build-check/fuzz/findings and fail
# the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a \
    >/dev/null 2>&1; then
  echo "== Fuzz run skipped: clang's libFuzzer runtime is not installed"
  exit 0
fi
bash scripts/configure_check.sh
cmake --build build-check -j"$(nproc)" --target tz9_fuzz
mapfile -t programs < build-check/fuzz/targets.txt
echo "== Fuzz targets, ${seconds} s each: ${programs[*]##*/}"
out=build-check/fuzz
mkdir -p "$out/findings"
run() {  # PROGRAM: fuzzes it from its seed corpus, into its own working corpus and log
  local name=${1##*/}
  mkdir -p "$out/corpus-$name"
  local seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  ASAN_OPTIONS=detect_leaks=1 "$1" "$out/corpus-$name" "${seeds[@]}" -max_total_time="$seconds" \
    -timeout=20 -rss_limit_mb=2048 -max_len=262144 -artifact_prefix="$out/findings/$name-" \
    -print_final_stats=1 >"$out/$name.log" 2>&1
}
for program in "${programs[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  name=${program##*/}
  { if run "$program"; then echo 0; else echo $?; fi; } >"$out/$name.status" &
done
wait
failed=0
for program in "${programs[@]}"; do
  name=${program##*/}
  if [ "$(cat "$out/$name.status")" = 0 ]; then
    runs=$(grep -m 1 -o 'Done [0-9]* runs in [0-9]* second(s)' "$out/$name.log" || echo done)
    echo "-- $name: $runs"
  else
    failed=1
    echo "-- $name FAILED (the input is under $out/findings):"
    tail -n 40 "$out/$name.log"
  fi
done
exit "$failed"
