#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, only
# when one is missing, so a second run costs a dpkg query and nothing more.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config dpkg-dev file
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6svg6
  fonts-ebgaramond fonts-liberation2
  xvfb xauth xdotool openbox x11-utils imagemagick strace weston qt6-wayland
  qt6-gtk-platformtheme qt6ct
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi python3-gi gir1.2-atspi-2.0
  desktop-file-utils appstream clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
