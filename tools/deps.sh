#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, only those that are missing
# (clang and its runtime library for the fuzz targets).
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-serialport-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev clang clang-format libclang-rt-14-dev fonts-liberation2 poppler-utils xvfb xdotool xclip x11-utils xdg-utils imagemagick python3
          cups printer-driver-cups-pdf qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
