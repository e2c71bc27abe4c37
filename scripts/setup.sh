#!/usr/bin/env bash
# Installs the Debian packages that are missing, only those, so a second run
# costs a dpkg query and nothing more.
# Usage: scripts/setup.sh game   what building and running the game need
#        scripts/setup.sh test   that, and what the tests, benchmarks, checks
#                                and the Debian package build need
set -euo pipefail

game=(
  g++
  cmake
  ninja-build
  pkgconf
  qt6-base-dev
  libxcb1-dev
  fonts-liberation2
)

# One a line, so that adding a tool touches one line.
test=(
  # test programs and benchmarks
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  # the fonts' checks
  fonts-ebgaramond
  python3-fonttools
  # real windows under a virtual display (tests/desktop)
  xvfb
  xauth
  openbox
  python3-xlib
  imagemagick
  weston
  qt6-wayland
  qt6-gtk-platformtheme
  qt6ct
  dbus
  at-spi2-core
  python3-pyatspi
  python3-gi
  gir1.2-atspi-2.0
  strace
  # the icons' checks
  libqt6svg6
  # the installed files and the sources
  desktop-file-utils
  appstream
  file
  clang-format
  # the Debian package
  build-essential
  debhelper
  lintian
)

case "${1:-}" in
  game) packages=("${game[@]}") ;;
  test) packages=("${game[@]}" "${test[@]}") ;;
  *) echo "usage: $0 game|test" >&2; exit 2 ;;
esac

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
