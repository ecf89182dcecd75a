#!/usr/bin/env bash
# Lays every rendered picture and icon out on contact sheets for a look by eye.
# Usage: contact-sheet.sh OUTDIR   (writes large.png, small.png, small-zoom.png, icons.png)
set -euo pipefail
out=${1:?output folder}
mkdir -p "$out"
cd "$(dirname "$0")/../images"
bg='#d4d0c8'
montage main.png title.png entry649.png entryS7.png entryCst.png selections-blue.png \
  selections-lilac.png display-blue.png display-offwhite.png \
  -tile 5x -geometry +6+6 -background "$bg" "$out/large.png"
small=(flag-fra flag-us flag-can flag-ita flag-spa flag-uk flag-ger film arrow-up arrow-down settings)
montage "${small[@]/%/.png}" -tile 11x1 -geometry +4+4 -background "$bg" "$out/small.png"
convert "$out/small.png" -filter point -resize 300% "$out/small-zoom.png"
montage "${small[@]/%/@2x.png}" -tile 11x1 -geometry +4+4 -background "$bg" "$out/small2x.png"
rows=()
for icon in icon-numora icon-649 icon-s7 icon-cst icon-settings; do
  for s in 16 24 32 48 64 128; do rows+=("icons/$icon-$s.png"); done
done
montage "${rows[@]}" -tile 6x -geometry '128x128>+4+4' -gravity center -background "$bg" \
  "$out/icons.png"
