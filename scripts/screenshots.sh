#!/usr/bin/env bash
# Starts Qor on a virtual X server and saves pictures of its views into docs/: a Grand Prix,
# a championship table, a record list, the Modern theme, the sorted champions, the winners of
# all seasons far down (row numbers of three digits), then the statistics windows (a driver's
# analysis with its race chart, top lists, track statistics, a comparison, team-mates, Find
# Name, Help), the editing windows (both dialogs and the import) and the online windows (log-in
# and news, the three pages of the shared GP results, the message board and the guess game).
# Usage: scripts/screenshots.sh [WIDTHxHEIGHT]   (default 1366x768)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh screenshots
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target qor qor-cli qor-server >/dev/null

size="${1:-1366x768}"
# The program writes its view settings back on closing: it runs on a copy of the data.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/release/bin/f1data5.dat build/release/bin/TR.dt build/release/bin/flags.dat \
   build/release/bin/other_names.txt build/release/bin/help_EN.txt build/release/bin/help_TR.txt \
   "$work/"
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
shot screenshot-analysis --show chart Rubens Barrichello
shot screenshot-toplists --show toplist drivers
shot screenshot-tracks --show tracks
shot screenshot-compare --show compare "Michael Schumacher" "Mika Häkkinen"
shot screenshot-teammates --show teammates "Michael Schumacher" Ferrari
shot screenshot-find --show find senn
shot screenshot-help --show help
shot screenshot-gp-dialog --show new-gp Monaco
shot screenshot-record-dialog --show update-record 2

# The port a stand-in server started in the background names in its log (sed expression),
# waiting up to 5 s for it.
listening_port() {
  local port=""
  for _ in $(seq 50); do
    port=$(sed -n "$2" "$1")
    [ -n "$port" ] && break
    sleep 0.1
  done
  echo "$port"
}

# The online windows: the log-in window offering the remembered name, and the news window
# after a check against a web host that a static server on a free port stands in for.
printf 'tester\r\n' >"$work/qoruser.txt"
shot screenshot-login --show login
news_shot() {
  mkdir -p "$work/web/trevask"
  printf 'Qor 1.88 is the latest version.\r\n\r\nNews:\r\n- The 2007 season starts in Melbourne on 18 March.\r\n- Driver list updated for the new season.\r\n' \
    >"$work/web/trevask/update.txt"
  printf '*****\r\n#LEWIS HAMILTON*British\r\n#HEIKKI KOVALAINEN*Finnish\r\n' \
    >"$work/web/trevask/drivers.txt"
  python3 -u -m http.server --bind 127.0.0.1 0 --directory "$work/web" >"$work/http.log" 2>&1 &
  local server=$! port
  port=$(listening_port "$work/http.log" 's/.* port \([0-9]*\) .*/\1/p')
  shot screenshot-news --web-host "127.0.0.1:$port" --show news || { kill "$server"; return 1; }
  kill "$server"
}
news_shot

# The shared GP results: the pool offers the 2006 Brazilian GP, which the open copy lacks,
# with the classification the shipped data has; a stand-in answers for the service.
gp_updates_shots() {
  local pool="$work/pool"
  mkdir -p "$pool"
  printf '<*msg>Welcome to the Qor GP pool.<:msg>Date*Grand Prix*Track*Sources*Downloads*\r\n29014*Brazil*Interlagos*2*5*\r\n29000*Japan*Suzuka*1*9*\r\n28993*China*Shanghai*1*7*\r\n' \
    >"$pool/getallgplist.txt"
  printf 'Id*Date*Grand Prix*User*Shared on*Results*\r\n12*29014*Brazil*tester*23 Oct 2006*22*\r\n15*29014*Brazil*f1fan*24 Oct 2006*22*\r\n' \
    >"$pool/getgplistsub.txt"
  # The GP line, then the classification rows as qor-cli prints them, in the content layout.
  { printf '29014*Interlagos*Brazil*Michael Schumacher*1:12.162*Felipe Massa*1:10.680*71*\r\n'
    build/release/bin/qor-cli --data build/release/bin table gp "22 Oct 2006" --format tsv |
      python3 -c '
import sys
for line in sys.stdin.read().splitlines():
    cells = line.split("\t")
    if len(cells) > 6 and cells[0].isdigit():
        sys.stdout.buffer.write(("*".join(c.strip() for c in cells[1:7]) + "*\r\n").encode("cp1254"))'
  } >"$pool/getgp.txt"
  python3 -u scripts/gp-pool-standin.py "$pool" >"$work/pool.log" 2>&1 &
  local server=$! port
  port=$(listening_port "$work/pool.log" 's/^port \([0-9]*\)$/\1/p')
  local page
  for page in "" sources content; do
    cp build/release/bin/f1data5.dat "$work/f1data5.dat"
    build/release/bin/qor-cli --data "$work" edit delete-gp "22 Oct 2006" >/dev/null
    xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" build/release/bin/qor --data "$work" --theme 0 \
      --web-host "127.0.0.1:$port" --show gp-updates $page \
      --screenshot "docs/screenshot-gp-updates${page:+-$page}.png" || { kill "$server"; return 1; }
    echo "docs/screenshot-gp-updates${page:+-$page}.png"
  done
  kill "$server"
}
gp_updates_shots

# The import: the open copy lacks the last GP that an older copy still has.
mkdir -p "$work/old"
cp build/release/bin/f1data5.dat "$work/old/f1data5.dat"
import_shot() {
  cp build/release/bin/f1data5.dat "$work/f1data5.dat"
  build/release/bin/qor-cli --data "$work" edit delete-gp "22 Oct 2006" >/dev/null
  xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" build/release/bin/qor --data "$work" --theme 0 \
    --show import "$work/old/f1data5.dat" --screenshot docs/screenshot-import.png
  echo docs/screenshot-import.png
}
import_shot

# The message board and the guess game against the service of this build, in a scratch data
# folder that confirms sign-ups at once: two users post and rate, guess a Grand Prix whose
# result is then entered, and the next one is open with tester's guess.
board_guess_shots() {
  local data="$work/service" closes
  mkdir -p "$data"
  printf 'auto_confirm = true\n' >"$work/service.ini"
  build/release/bin/qor-server --config "$work/service.ini" --listen 127.0.0.1:0 \
    --data-dir "$data" >"$work/service.log" 2>&1 &
  local server=$! port
  port=$(listening_port "$work/service.log" 's/^listening on .*:\([0-9]*\)$/\1/p')
  local host="127.0.0.1:$port" user
  local -A password
  admin() { build/release/bin/qor-server admin --data-dir "$data" "$@" >/dev/null; }
  # qor-cli acting as one of the two users.
  as_user() { # user, then the online command
    local user=$1; shift
    build/release/bin/qor-cli --data "$work" online --web-host "$host" \
      --session "$work/$user.session" "$@" >/dev/null
  }
  for user in tester racer; do
    as_user "$user" register "$user" "$user@example.org"
    password[$user]=$(grep -l "User name: $user" "$data"/outbox/*.eml | xargs cat |
      sed -n 's/^Password: \([^\r]*\).*/\1/p' | tail -1)
    as_user "$user" login "$user" "${password[$user]}"
  done
  as_user tester board send $'Good to have the board back.\nWho takes Melbourne?' --rate 9
  as_user racer board send 'Raikkonen in his first race for Ferrari, I say.' --rate 8
  local drivers=("Kimi Raikkonen" "Fernando Alonso" "Lewis Hamilton" "Nick Heidfeld"
                 "Giancarlo Fisichella" "Mark Webber" "Robert Kubica" "Ralf Schumacher"
                 "Felipe Massa" "Jarno Trulli" "Nico Rosberg" "David Coulthard")
  closes=$(date -u -d '+3 days' '+%Y-%m-%d %H:%M')
  admin guess-drivers "${drivers[@]}"
  admin guess-open --date 2007-03-18 --name "Australian GP" --closes "$closes"
  as_user tester guess save "Kimi Raikkonen" "Lewis Hamilton" "Fernando Alonso" \
    "Nick Heidfeld" "Giancarlo Fisichella" "Robert Kubica" "Mark Webber" "Nico Rosberg" \
    "Kimi Raikkonen" "Kimi Raikkonen"
  as_user racer guess save "Fernando Alonso" "Kimi Raikkonen" "Felipe Massa" \
    "Lewis Hamilton" "Nick Heidfeld" "Jarno Trulli" "Ralf Schumacher" "David Coulthard" \
    "Felipe Massa" "Felipe Massa"
  admin guess-close
  admin guess-result --date 2007-03-18 "Kimi Raikkonen" "Fernando Alonso" "Lewis Hamilton" \
    "Nick Heidfeld" "Giancarlo Fisichella" "Nico Rosberg" "Ralf Schumacher" "Robert Kubica" \
    "Kimi Raikkonen" "Kimi Raikkonen"
  admin guess-open --date 2007-04-08 --name "Malaysian GP" --closes "$closes"
  as_user tester guess save "Felipe Massa" "Kimi Raikkonen" "Fernando Alonso" \
    "Lewis Hamilton" "Nick Heidfeld" "Robert Kubica" "Mark Webber" "Nico Rosberg" \
    "Lewis Hamilton" "Felipe Massa"
  local view
  for view in board guess "guess history"; do
    local name="screenshot-${view// /-}"
    cp build/release/bin/f1data5.dat "$work/f1data5.dat"
    # shellcheck disable=SC2086 # the view is two words
    xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" build/release/bin/qor --data "$work" \
      --theme 0 --web-host "$host" --show $view tester "${password[tester]}" \
      --screenshot "docs/$name.png" || { kill "$server"; return 1; }
    echo "docs/$name.png"
  done
  kill "$server"
}
board_guess_shots
