#!/usr/bin/env bash
# Renders the program's icon from its drawing (sweepwright.mvg) into the PNG sizes the window
# and the image show, the Windows .ico in 256 colours and the SVG of the hicolor theme. The
# rendered files are kept in the tree, so a build needs no ImageMagick; run this again after
# changing the drawing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

large="$(mktemp --suffix=.png)"
trap 'rm -f "$large" "$large".*.png' EXIT
convert -size 192x192 xc:none -draw "$(grep -v '^#' sweepwright.mvg)" "$large"
# 48 pixels for the first page's picture and the window, and that picture for screens scaled to
# 125, 150 and 200 %.
for size in 96 72 60 48 32 16; do
    convert "$large" -filter Lanczos -resize "${size}x${size}" -colors 256 "PNG32:sweepwright-$size.png"
done
# ImageMagick writes every .ico image with 32 bits; icotool writes each with a palette of 256
# colours, the transparent parts going into the mask. Edges that are partly transparent become
# opaque or transparent, and all transparent pixels one colour, so that 256 colours suffice.
ico=()
for size in 48 32 16; do
    convert "sweepwright-$size.png" -channel A -threshold 50% +channel \
        -background black -alpha background -colors 256 "PNG32:$large.$size.png"
    ico+=(--bit-depth=8 "$large.$size.png")
done
icotool --create --output=sweepwright.ico "${ico[@]}"
# The scalable icon of the hicolor theme, from the same drawing.
awk -v size=192 -f ../../scripts/mvg2svg.awk sweepwright.mvg > sweepwright.svg
