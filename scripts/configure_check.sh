#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures build-check, the one build that scripts/test.sh, sanitize.sh and fuzz.sh share:
# everything (core, tool, window, tests, benchmarks) at -O1 with AddressSanitizer and
# UndefinedBehaviorSanitizer and assertions on, built with clang and lld, and with clang the
# libFuzzer targets as well. Without clang it uses the default compiler and leaves the fuzz
# targets out.
set -euo pipefail
cd "$(dirname "$0")/.."
args=(-DCMAKE_BUILD_TYPE=Check -DTZ9_SANITIZE=ON -DTZ9_BUILD_WINDOW=ON -DTZ9_BUILD_TESTS=ON
      -DTZ9_BUILD_BENCH=ON)
if command -v clang++ >/dev/null && ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a \
    >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_CHECK="-O1 -gline-tables-only"
         -DTZ9_BUILD_FUZZ=ON)
else
  args+=(-DCMAKE_CXX_FLAGS_CHECK="-O1 -g1" -DTZ9_BUILD_FUZZ=OFF)
fi
if command -v ld.lld >/dev/null; then
  args+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld
         -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=lld)
fi
# Ninja when there is one and the folder is new (a folder keeps the generator it was made with).
if [ ! -f build-check/CMakeCache.txt ] && command -v ninja >/dev/null; then
  args+=(-G Ninja)
fi
cmake -S . -B build-check "${args[@]}" >/dev/null
