#!/usr/bin/env bash
# Renders the raster icons from wendrel.svg, which is the one drawing of the icon.
# The PNGs and the .ico are committed so that building needs no SVG renderer;
# run this again after changing the drawing. Needs rsvg-convert (librsvg2-bin)
# and icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")"

for n in 16 32 48 64 128 256; do
  mkdir -p "hicolor/${n}x${n}/apps"
  rsvg-convert -w "$n" -h "$n" wendrel.svg -o "hicolor/${n}x${n}/apps/wendrel.png"
done

# Windows picks the nearest of these for title bars, the taskbar and Explorer.
icotool -c -o wendrel.ico hicolor/16x16/apps/wendrel.png \
  hicolor/32x32/apps/wendrel.png hicolor/48x48/apps/wendrel.png
