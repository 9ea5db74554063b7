#!/usr/bin/env bash
# Builds the Debian package of Qor (build/package/qor_VERSION_ARCH.deb) and checks it: the
# desktop entry and the AppStream file are validated and the package's files are listed.
# With --install the package is installed (dpkg -i) and the installed qor-cli is started on a
# fresh home, which must end up holding the user's data folder.
# Usage: scripts/package.sh [--install]
set -euo pipefail
cd "$(dirname "$0")/.."
install=no
case "${1:-}" in
  "") ;;
  --install) install=yes ;;
  *) echo "usage: $0 [--install]" >&2; exit 64 ;;
esac

scripts/deps.sh package
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQOR_TESTS=OFF -DQOR_BENCH=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" >/dev/null
[ -x "$build/bin/qor" ] || { echo "Qt 6 was not found: no desktop program to package" >&2; exit 1; }
rm -f "$build"/qor_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/qor_*.deb)

echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
echo "== desktop-file-validate packaging/qor.desktop"
desktop-file-validate packaging/qor.desktop
echo "ok"
echo "== appstreamcli validate packaging/io.github.qor.Qor.metainfo.xml"
appstreamcli validate --no-net packaging/io.github.qor.Qor.metainfo.xml
echo "== dpkg -c"
dpkg -c "$deb"

[ "$install" = yes ] || exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "== dpkg -i"
$sudo dpkg -i "$deb"
# A fresh home with nothing but what the installed programs write into it.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
echo "== qor-cli info (HOME=$home)"
env -i PATH=/usr/bin:/bin HOME="$home" qor-cli info
data=$home/.local/share/Qor
cmp -s /usr/share/qor/f1data5.dat "$data/f1data5.dat" ||
  { echo "the data folder $data was not seeded" >&2; exit 1; }
echo "== qor (offscreen, until the first table is painted)"
mkdir -m 700 "$home/run"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen \
  timeout 60 qor --quit-after-first-table
echo "== files written under $home"
(cd "$home" && find . -type f | sort)
echo "== dpkg --verify qor (no installed file changed)"
dpkg --verify qor
echo "ok"
