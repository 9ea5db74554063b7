#!/usr/bin/env bash
# Prints the non-blank C++ lines of tests/ against src/: the project keeps tests between a
# quarter and about four tenths of the code.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -cv '^\s*$'; }
tests=$(count tests)
src=$(count src)
awk -v t="$tests" -v s="$src" 'BEGIN { printf "test lines: %d of %d source lines (ratio %.2f)\n", t, s, t / s }'
