#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian 12 machine (idempotent).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libsqlite3-dev libxlsxwriter-dev libzip-dev
  fonts-liberation2 fonts-urw-base35
  clang-format poppler-utils sqlite3
  qt6-translations-l10n
  xvfb openbox xdotool x11-utils imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
