#!/usr/bin/env bash
# Builds qor-server (Release, in the same build folder as scripts/run.sh) and runs the online
# service alone in the foreground; arguments are passed to it (scripts/serve.sh --help).
# Without --data-dir or --config its data lives in the user's data folder, beside the
# program's own: ${XDG_DATA_HOME:-~/.local/share}/Qor/server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target qor-server >/dev/null
data="${XDG_DATA_HOME:-$HOME/.local/share}/Qor/server"
args=("$@")
case " $* " in
  *" --data-dir "* | *" --config "* | *" --help "* | *" -h "*) ;;
  " admin "*) args=(admin --data-dir "$data" "${@:2}") ;;
  *) args+=(--data-dir "$data") ;;
esac
exec build/release/bin/qor-server "${args[@]}"
