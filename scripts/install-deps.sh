#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Orvo Back-up needs.
# Safe to run more than once: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev-tools
  libqt6opengl6-dev libgl-dev libxkbcommon-dev
  qt6-qpa-plugins libqt6svg6 qt6-gtk-platformtheme
  libzip-dev zlib1g-dev libcurl4-openssl-dev libattr1-dev
  xvfb xauth zip unzip attr curl e2fsprogs rsync time
  python3 python3-pyftpdlib python3-aiosmtpd
  gstreamer1.0-plugins-base
  fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
