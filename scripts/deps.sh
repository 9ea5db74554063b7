#!/usr/bin/env bash
# Installs the Debian packages a task needs when they are missing.
# Usage: scripts/deps.sh run|test|tools|screenshots|package
set -euo pipefail

common=(cmake ninja-build g++ pkg-config ccache)
# The desktop program: Qt 6 Widgets and the fonts that stand in for Tahoma, Arial and
# Courier New (fonts-liberation has their metrics, DejaVu is the fallback).
gui=(qt6-base-dev fonts-dejavu-core fonts-liberation)
case "${1:-run}" in
  run)   pkgs=("${common[@]}" "${gui[@]}") ;;
  test)  pkgs=("${common[@]}" "${gui[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
               libpng-dev famfamfam-flag-png libsqlite3-dev) ;;
  tools) pkgs=("${common[@]}" libpng-dev famfamfam-flag-png) ;;
  # Screenshots run the program on a virtual X server.
  screenshots) pkgs=("${common[@]}" "${gui[@]}" xvfb xauth) ;;
  # The Debian package: dpkg-shlibdeps finds its library dependencies, the validators check
  # the desktop entry and the AppStream file.
  package) pkgs=("${common[@]}" "${gui[@]}" dpkg-dev file desktop-file-utils appstream) ;;
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
