#!/usr/bin/env bash
# Builds Qor and runs it on the shipped data. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" >/dev/null
exec build/release/bin/qor-cli "$@"
