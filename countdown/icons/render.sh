#!/usr/bin/env bash
# Renders the program's icon from its drawing (velmora.mvg) into the PNG sizes the windows show
# and the Windows .ico: 32 by 32 in 2 colours, 32 by 32 and 16 by 16 in 16 colours, and the SVG
# of the hicolor theme. The rendered files are kept in the tree, so a build needs no ImageMagick;
# run this again after changing the drawing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for size in 48 32 16; do
    scale="$(awk "BEGIN { print $size / 32 }")"
    convert -size "${size}x${size}" xc:none -draw "scale $scale,$scale $(grep -v '^#' velmora.mvg)" \
        "PNG32:velmora-$size.png"
done
# Two colours: black on white, with the transparent corners kept.
convert velmora-32.png -background white -alpha remove -colorspace gray -threshold 75% \
    -type bilevel "$work/bw.png"
convert "$work/bw.png" \( velmora-32.png -alpha extract -threshold 50% \) -alpha off \
    -compose copy_opacity -composite "$work/32-2.png"
for size in 32 16; do
    convert "velmora-$size.png" -channel A -threshold 50% +channel -channel RGB -colors 16 \
        +channel "$work/$size-16.png"
done
convert "$work/32-2.png" "$work/32-16.png" "$work/16-16.png" velmora.ico
# The scalable icon of the hicolor theme, from the same drawing.
awk -v size=32 -f ../../scripts/mvg2svg.awk velmora.mvg > velmora.svg
