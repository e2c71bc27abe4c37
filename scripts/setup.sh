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
  libfontconfig-dev
)

# One a line, so that adding a tool touches one line. "a|b" takes the first of
# a and b that the release has, where Debian 12 and 13 name a package apart.
test=(
  # test programs and benchmarks
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  valgrind
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
  # the icons' checks: Qt's SVG image plugin, a package of its own from Debian 13 on
  'qt6-svg-plugins|libqt6svg6'
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

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

known() {
  apt-cache show "$1" >/dev/null 2>&1
}

# The package an entry stands for: its first alternative that is installed or
# that the release has, else its first. (Debian 13 still has libqt6svg6,
# without the plugin.)
choose() {
  local choices p
  IFS='|' read -r -a choices <<<"$1"
  for p in "${choices[@]}"; do
    if installed "$p" || known "$p"; then
      echo "$p"
      return
    fi
  done
  echo "${choices[0]}"
}

missing=()
for entry in "${packages[@]}"; do
  installed "$(choose "$entry")" || missing+=("$entry")
done

if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update
  # Chosen again: before the update, a fresh machine knows no package.
  names=()
  for entry in "${missing[@]}"; do
    names+=("$(choose "$entry")")
  done
  echo "Installing: ${names[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${names[@]}"
fi
