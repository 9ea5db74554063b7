#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and starts the installed programs there on a
# fresh home: the user's data folder is seeded from the installed copy, an edit in it survives
# the next start, and nothing is written outside the home.
# Usage: install_test.sh CMAKE BUILD_DIR BINDIR INSTALLED_DATA_DIR SHIPPED_DATA_DIR
set -euo pipefail
cmake=$1 build=$2 bindir=$3 datadir=$4 shipped=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$tmp/root "$cmake" --install "$build" >/dev/null
touch "$tmp/installed-at"
bin=$tmp/root$bindir installed=$tmp/root$datadir
user=$tmp/home/.local/share/Qor
mkdir "$tmp/home"
cli() { env -u XDG_DATA_HOME HOME="$tmp/home" "$bin/qor-cli" "$@"; }
gps() { cli info | awk '$1 == "GPs" { print $2 }'; }
same_as_shipped() { # FOLDER: every shipped file is there, byte for byte
  for f in "$shipped"/*; do cmp -s "$f" "$1/${f##*/}" || fail "${f##*/} differs in $1"; done
}

same_as_shipped "$installed"

# First start: the database and every other shipped file are copied into the user's folder.
before=$(gps)
[ -n "$before" ] || fail "qor-cli info printed no GP count"
same_as_shipped "$user"

# An edit of the user's database stays over the next start, which only copies in what is
# missing.
cli edit delete-gp "22 Oct 2006" >/dev/null
rm "$user/TR.dt"
after=$(gps)
[ "$after" -eq $((before - 1)) ] || fail "edit lost: $after GPs after deleting one of $before"
cmp -s "$shipped/TR.dt" "$user/TR.dt" || fail "a missing TR.dt was not copied in again"

# A folder given with --data that holds only a database reads the language file from the
# installed copy.
mkdir "$tmp/own"
cp "$shipped/f1data5.dat" "$tmp/own/"
turkish=$(cli --data "$tmp/own" --lang TR strings)
grep -q "^1	Tarihçe" <<<"$turkish" ||
  fail "--lang TR with --data did not find TR.dt in the installed copy"

# The desktop program uses the same folder: started on a second fresh home, it seeds it.
if [ -x "$bin/qor" ]; then
  mkdir "$tmp/home2" "$tmp/run"
  chmod 700 "$tmp/run"
  # A load that fails shows a message box, which would wait for ever.
  env -u XDG_DATA_HOME HOME="$tmp/home2" XDG_RUNTIME_DIR="$tmp/run" timeout 60 "$bin/qor" \
    --quit-after-first-table ||
    fail "the installed qor did not start"
  same_as_shipped "$tmp/home2/.local/share/Qor"
fi

# Nothing under the install was written after it was made.
changed=$(find "$tmp/root" -newer "$tmp/installed-at")
[ -z "$changed" ] || fail "written inside the install: $changed"

# A home where the data folder cannot be made gives a message, not a crash.
touch "$tmp/file"
if out=$(env -u XDG_DATA_HOME HOME="$tmp/file/home" "$bin/qor-cli" info 2>&1); then
  fail "qor-cli ran without a data folder"
else
  status=$?
fi
[ "$status" -eq 2 ] && [[ $out == "qor-cli: Cannot create the data folder $tmp/file/home/"* ]] ||
  fail "unmakeable data folder: status $status, '$out'"
echo "installed, seeded, edit kept"
