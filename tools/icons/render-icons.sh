#!/usr/bin/env bash
# Renders the desktop icon's PNG sizes from its SVG with librsvg (Debian:
# librsvg2-bin), into packaging/icons/<size>x<size>/, as RGBA as desktops
# expect of icons (ImageMagick keeps the alpha channel that librsvg drops
# from an opaque drawing). The 32-pixel size is not
# among them: that one is the window's own pixel art, written at build time.
# Run again after changing the SVG, and commit the PNGs with it.
set -euo pipefail
icons="$(cd "$(dirname "$0")/../../packaging/icons" && pwd)"
svg="$icons/hu.nonagra.Nonagra.svg"
for size in 16 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --format png "$svg" |
        convert png:- -strip "PNG32:$icons/${size}x${size}/hu.nonagra.Nonagra.png"
done
