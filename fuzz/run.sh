#!/usr/bin/env bash
# Runs every fuzz target for a bounded time on a scratch copy of its seed corpus.
# Usage: fuzz/run.sh BIN_DIR SECONDS
set -uo pipefail
bin="$1"; seconds="$2"
here="$(cd "$(dirname "$0")" && pwd)"
for target in "$bin"/fuzz_*; do
  name=$(basename "$target"); name=${name#fuzz_}
  work=$(mktemp -d); log=$(mktemp)
  cp -r "$here/corpus/$name/." "$work/" 2>/dev/null
  echo "Fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "$work" >"$log" 2>&1
  status=$?
  if [ "$status" -ne 0 ]; then
    cat "$log"; echo "fuzz_$name found a fault (crash input saved in $(pwd))" >&2
    exit 1
  fi
  grep -E 'stat::number_of_executed_units|INITED|DONE' "$log" | tail -n 3
  rm -rf "$work" "$log"
done
