#!/usr/bin/env bash
# Installs the Debian packages a task needs when they are missing.
# Usage: scripts/deps.sh run|test|tools|screenshots|package
set -euo pipefail

common=(cmake ninja-build g++ pkg-config ccache)
# The desktop program: Qt 6 Widgets and the fonts that stand in for Tahoma, Arial and
# Courier New (fonts-liberation has their metrics, DejaVu is the fallback).
gui=(qt6-base-dev fonts-dejavu-core fonts-liberation)
# The online features: libcurl in the program, and the local service (HTTP server, SQLite
# store, password hashes).
online=(libcurl4-openssl-dev libcpp-httplib-dev libsqlite3-dev libsodium-dev)
case "${1:-run}" in
  run)   pkgs=("${common[@]}" "${gui[@]}" "${online[@]}") ;;
  test)  pkgs=("${common[@]}" "${gui[@]}" "${online[@]}" libgtest-dev libbenchmark-dev clang
               libclang-rt-14-dev libpng-dev famfamfam-flag-png) ;;
  tools) pkgs=("${common[@]}" "${online[@]}" libpng-dev famfamfam-flag-png) ;;
  # Screenshots run the program on a virtual X server.
  screenshots) pkgs=("${common[@]}" "${gui[@]}" "${online[@]}" xvfb xauth) ;;
  # The Debian package: dpkg-shlibdeps finds its library dependencies, the validators check
  # the desktop entry and the AppStream file.
  package) pkgs=("${common[@]}" "${gui[@]}" "${online[@]}" dpkg-dev file desktop-file-utils appstream) ;;
  *) echo "usage: $0 run|test|tools|screenshots|package" >&2; exit 64 ;;
esac

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
