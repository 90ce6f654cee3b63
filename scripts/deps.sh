#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, when they are missing.
# As root it runs apt-get; otherwise it prints the exact command to run and fails.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
  libx11-dev libxdamage-dev
  libfluidsynth-dev timgm6mb-soundfont
  fonts-liberation
  xvfb xdotool x11-apps desktop-file-utils appstream dpkg-dev
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Please run:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
