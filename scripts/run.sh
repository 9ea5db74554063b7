#!/usr/bin/env bash
# Builds Qor and starts the desktop program on the shipped data. Arguments are passed to it
# (scripts/run.sh --help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" >/dev/null
if [ ! -x build/release/bin/qor ]; then
  echo "Qt 6 was not found, so the desktop program was not built (qor-cli is)." >&2
  exit 1
fi
exec build/release/bin/qor "$@"
