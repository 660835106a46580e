#!/usr/bin/env bash
# Renders the program's icon from its drawing (sweepwright.mvg) into the PNG sizes the window
# and the image show, the Windows .ico and the SVG of the hicolor theme. The rendered files are
# kept in the tree, so a build needs no ImageMagick; run this again after changing the drawing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

large="$(mktemp --suffix=.png)"
trap 'rm -f "$large"' EXIT
convert -size 192x192 xc:none -draw "$(grep -v '^#' sweepwright.mvg)" "$large"
for size in 48 32 16; do
    convert "$large" -filter Lanczos -resize "${size}x${size}" -colors 256 "PNG32:sweepwright-$size.png"
done
convert sweepwright-48.png sweepwright-32.png sweepwright-16.png sweepwright.ico
# The scalable icon of the hicolor theme, from the same drawing.
awk -v size=192 -f ../../scripts/mvg2svg.awk sweepwright.mvg > sweepwright.svg
