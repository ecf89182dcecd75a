#!/usr/bin/env bash
# Regenerates Numora's SVG artwork and renders every PNG into ../images.
# generate.py is the artwork's one source: the SVG files it writes into svg/ are an
# intermediate step, not kept in the repository. Developer tool only: the PNGs are kept in the
# repository, so building needs neither this script nor its tools (python3, rsvg-convert from
# librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for tool in python3 rsvg-convert; do
  command -v "$tool" > /dev/null || { echo "render.sh needs $tool (Debian: python3, librsvg2-bin)" >&2; exit 1; }
done
mkdir -p svg
rm -f svg/* ../images/*.png ../images/icons/*.png
python3 generate.py
mkdir -p ../images/icons
while read -r svg png w h; do
  rsvg-convert --width "$w" --height "$h" --format png --output "../images/$png" "svg/$svg"
done < svg/manifest.txt
echo "rendered $(wc -l < svg/manifest.txt) pictures"
