#!/usr/bin/env bash
# Renders the program's icon from its drawing (sweepwright.mvg) into the PNG sizes the window
# and the image show, the Windows .ico and the SVG of the hicolor theme. The .ico holds first
# the three images of 256 colours the page's picture was made for, 48, 32 and 16 pixels; then,
# for today's screens and their scales, 256, 48, 32, 24 and 16 pixels in true colour with soft
# edges, the largest kept as PNG as Windows keeps it. The rendered files are kept in the tree,
# so a build needs no ImageMagick; run this again after changing the drawing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# shellcheck source-path=SCRIPTDIR source=../../scripts/icons.sh
. ../../scripts/icons.sh
large="$work/large.png"
draw sweepwright.mvg 192 192 "$large"
# 48 pixels for the first page's picture and the window, and that picture for screens scaled to
# 125, 150 and 200 %.
for size in 96 72 60 48 32 16; do
    convert "$large" -filter Lanczos -resize "${size}x${size}" -colors 256 "${png[@]}" \
        "PNG32:sweepwright-$size.png"
done
# ImageMagick writes every .ico image with 32 bits; icotool writes each with a palette of 256
# colours, the transparent parts going into the mask. Edges that are partly transparent become
# opaque or transparent, and all transparent pixels one colour, so that 256 colours suffice.
ico=()
for size in 48 32 16; do
    convert "sweepwright-$size.png" -channel A -threshold 50% +channel \
        -background black -alpha background -colors 256 "PNG32:$work/$size-8.png"
    ico+=(--bit-depth=8 "$work/$size-8.png")
done
# True colour: drawn at 256 pixels, and made smaller from that.
sweepwright() {
    if (($1 == 256)); then
        draw sweepwright.mvg 192 256 "PNG32:$2"
    else
        convert "$work/256-32.png" -filter Lanczos -resize "$1x$1" "PNG32:$2"
    fi
}
true_colour sweepwright
icotool --create --output=sweepwright.ico "${ico[@]}"
# The scalable icon of the hicolor theme, from the same drawing.
awk -v size=192 -f ../../scripts/mvg2svg.awk sweepwright.mvg > sweepwright.svg
