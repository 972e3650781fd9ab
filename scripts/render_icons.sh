#!/usr/bin/env bash
# Renders the icon sources resources/icons/*.svg into the PNG files the program
# loads: 64x64 toolbar icons into resources/img/, and the window logo
# (QLXLogo.svg, compiled into the resource file) at 128x128. The PNGs are
# committed; run this after changing an SVG. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null; then
  echo "rsvg-convert not found: apt-get install librsvg2-bin" >&2
  exit 1
fi

for svg in resources/icons/*.svg; do
  name=$(basename "$svg" .svg)
  size=64
  [ "$name" = QLXLogo ] && size=128
  rsvg-convert -w "$size" -h "$size" -f png -o "resources/img/$name.png" "$svg"
  echo "resources/img/$name.png"
done
