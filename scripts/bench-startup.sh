#!/usr/bin/env bash
# Cold start of the desktop program until its first table is painted, against the smallest Qt
# Widgets program that shows an empty window, both on the offscreen platform (Release build).
# Prints the median wall time of each (runs taken in turn) and their ratio, then the peak
# memory (maximum resident set size, from /usr/bin/time) of one run of each.
# Usage: scripts/bench-startup.sh [RUNS]   (default 21)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
scripts/deps.sh run >/dev/null
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench --target qor qor-empty-window >/dev/null

# qor writes its view settings back when it ends: it runs on a copy of the data.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/bench/bin/f1data5.dat build/bench/bin/TR.dt build/bench/bin/flags.dat \
   build/bench/bin/other_names.txt "$work/"
export QT_QPA_PLATFORM=offscreen

# Wall time in microseconds of one run of a command.
run_us() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}
median() { sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }

# One warm-up run of each (both then find the shared libraries and fonts in the page cache),
# then RUNS runs of the two in turn, so that a change of load on a shared machine weighs on
# both alike.
empty_cmd=(build/bench/bin/qor-empty-window)
qor_cmd=(build/bench/bin/qor --data "$work" --quit-after-first-table)
"${empty_cmd[@]}" >/dev/null 2>&1
"${qor_cmd[@]}" >/dev/null 2>&1
: >"$work/empty.us"
: >"$work/qor.us"
for _ in $(seq "$runs"); do
  run_us "${empty_cmd[@]}" >>"$work/empty.us"
  run_us "${qor_cmd[@]}" >>"$work/qor.us"
done
empty=$(median <"$work/empty.us")
qor=$(median <"$work/qor.us")
awk -v e="$empty" -v q="$qor" -v n="$runs" 'BEGIN {
  printf "empty Qt window, shown and painted:     %7.1f ms (median of %d)\n", e / 1000, n
  printf "qor, first GP table painted:            %7.1f ms (median of %d)\n", q / 1000, n
  printf "ratio:                                  %7.2f\n", q / e
}'

# Peak memory in KiB of one run of a command (GNU time's maximum resident set size).
peak_kib() {
  /usr/bin/time -f '%M' -o "$work/peak" "$@" >/dev/null 2>&1
  cat "$work/peak"
}

if [ -x /usr/bin/time ]; then
  empty_kib=$(peak_kib build/bench/bin/qor-empty-window)
  qor_kib=$(peak_kib build/bench/bin/qor --data "$work" --quit-after-first-table)
  awk -v e="$empty_kib" -v q="$qor_kib" 'BEGIN {
    printf "peak memory, empty Qt window:           %7.1f MiB\n", e / 1024
    printf "peak memory, qor with the shipped data: %7.1f MiB\n", q / 1024
    printf "ratio:                                  %7.2f\n", q / e
  }'
else
  echo "peak memory: /usr/bin/time is missing (Debian package 'time')"
fi
