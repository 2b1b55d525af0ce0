#!/usr/bin/env bash
# Installs every Debian package that building, running and testing bq needs.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-svg-dev libgl-dev
  libsqlite3-dev libzint-dev libfreexl-dev libxlsxwriter-dev
  # run
  fonts-noto-cjk fonts-arphic-uming fonts-wqy-zenhei fonts-dejavu-core qt6-qpa-plugins
  # tests: printing to a real queue, reading what was printed
  cups cups-client printer-driver-cups-pdf poppler-utils zbar-tools sqlite3
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
