#!/usr/bin/env bash
# Starts Qor on a virtual X server and saves pictures of its main views into docs/:
# a Grand Prix, a championship table, a record list, the Modern theme, the sorted champions
# and the winners of all seasons far down (row numbers of three digits).
# Usage: scripts/screenshots.sh [WIDTHxHEIGHT]   (default 1366x768)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh screenshots
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target qor >/dev/null

size="${1:-1366x768}"
# The program writes its view settings back on closing: it runs on a copy of the data.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/release/bin/f1data5.dat build/release/bin/TR.dt build/release/bin/flags.dat \
   build/release/bin/other_names.txt "$work/"
mkdir -p docs

shot() { # name, then the program's options
  local name=$1; shift
  cp build/release/bin/f1data5.dat "$work/f1data5.dat"
  xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" \
    build/release/bin/qor --data "$work" --theme 0 "$@" --screenshot "docs/$name.png"
  echo "docs/$name.png"
}

shot screenshot-gp --show gp 2006 18
shot screenshot-standings --show standings drivers 1988
shot screenshot-records --show records "Ayrton Senna" wins
shot screenshot-modern --theme 102 --show gp 1988 16
shot screenshot-ranking --show ranking drivers
shot screenshot-winners --show winners --row 760
