#!/usr/bin/env bash
# Builds Qor and starts the desktop program on the shipped data. Arguments are passed to it
# (scripts/run.sh --help lists them).
#
# The online features talk to QOR_WEB_HOST when it is set. Otherwise a local qor-server is
# started on 127.0.0.1:8080 (its data under the user's data folder) unless one already answers
# there, and it is stopped when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" >/dev/null
if [ ! -x build/release/bin/qor ]; then
  echo "Qt 6 was not found, so the desktop program was not built (qor-cli is)." >&2
  exit 1
fi

answers() { (exec 3<>/dev/tcp/127.0.0.1/8080) 2>/dev/null; }
server_pid=""
if [ -z "${QOR_WEB_HOST:-}" ] && [ -x build/release/bin/qor-server ] && ! answers; then
  state="${XDG_DATA_HOME:-$HOME/.local/share}/Qor/server"
  mkdir -p "$state/content"
  # A person alone on this machine needs no operator: sign-ups are confirmed at once and the
  # password mail is written to the outbox folder.
  [ -f "$state/qor-server.ini" ] || printf 'auto_confirm = true\n' >"$state/qor-server.ini"
  [ -f "$state/content/update.txt" ] ||
    printf 'This is your local Qor service. No news yet.\r\n' >"$state/content/update.txt"
  [ -f "$state/content/drivers.txt" ] || printf '*****\r\n' >"$state/content/drivers.txt"
  build/release/bin/qor-server --config "$state/qor-server.ini" --listen 127.0.0.1:8080 \
    --data-dir "$state" --content-dir "$state/content" >>"$state/server.log" 2>&1 &
  server_pid=$!
  trap 'kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do answers && break; sleep 0.1; done
fi
QOR_WEB_HOST="${QOR_WEB_HOST:-127.0.0.1:8080}" build/release/bin/qor "$@"
