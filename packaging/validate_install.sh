#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates what a desktop reads:
# the desktop entry, the AppStream metainfo and the hicolor icons; the manual
# pages, and the licence of the font the program carries.
# Usage: validate_install.sh <build dir> <application id> <bin dir> <man dir>
set -euo pipefail
build="$1" id="$2" bindir="$3" mandir="$4"
for tool in desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || { echo "missing $tool: skipped"; exit 77; }
done
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
test -x "$prefix/$bindir/nonagra"
desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Name\[hu\]=Nonagra' "$share/applications/$id.desktop"
grep -q '^Comment\[hu\]=' "$share/applications/$id.desktop"
grep -qx 'Categories=Game;LogicGame;' "$share/applications/$id.desktop"
bash "$(dirname "$0")/appstream-check.sh" validate "$share/metainfo/$id.metainfo.xml" >/dev/null
for size in 16 32 48 64 128 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/$id.png" |
        grep -q "PNG image data, $size x $size, 8-bit/color RGBA"
done
file "$share/icons/hicolor/scalable/apps/$id.svg" | grep -q 'SVG Scalable Vector Graphics image'
for page in "$mandir/man6/nonagra.6" "$mandir/hu/man6/nonagra.6"; do
    test -f "$prefix/$page"
    # man prints what groff finds wrong in the page and renders it all the same.
    if command -v man >/dev/null; then
        warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/$page" 2>&1 >/dev/null)"
        [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
    fi
    # whatis reads the NAME line raw: an escape such as \(mu would vanish there.
    if command -v lexgrog >/dev/null; then
        LC_ALL=C.UTF-8 lexgrog "$prefix/$page" | grep -q ' 9 × 9' || { echo "$page: no 9 × 9 in whatis"; exit 1; }
    fi
done
grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$share/doc/nonagra/OFL.txt"
echo "installed files validate"
