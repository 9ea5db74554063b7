#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test,
# then fuzzes the data file loader for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_SANITIZE=ON
cmake --build build/test -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build/test && ctest --output-on-failure -j "$jobs")
scripts/test-ratio.sh

# libFuzzer needs clang; the fuzz run is bounded so the whole suite stays short.
if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQOR_FUZZ=ON -DQOR_TESTS=OFF -DQOR_BENCH=OFF
  cmake --build build/fuzz -j "$jobs" --target fuzz_targets
  fuzz/run.sh build/fuzz/bin "${QOR_FUZZ_SECONDS:-30}"
fi
