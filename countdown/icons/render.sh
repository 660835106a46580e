#!/usr/bin/env bash
# Renders the program's icon from its drawing (velmora.mvg) into the PNG sizes the windows show
# and the Windows .ico: first the three palette images of old (icoutils' icotool), 32 by 32 in
# 2 colours, 32 by 32 and 16 by 16 in 16 colours; then, for today's screens and their scales,
# 256, 48, 32, 24 and 16 pixels in true colour with soft edges, the largest kept as PNG as
# Windows keeps it. Also the SVG of the hicolor theme, and the About box's picture from
# about.mvg, at 32 pixels and at the sizes a scaled screen needs. The rendered files are kept in
# the tree, so a build needs no ImageMagick; run this again after changing a drawing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# shellcheck source-path=SCRIPTDIR source=../../scripts/icons.sh
. ../../scripts/icons.sh
velmora() { draw velmora.mvg 32 "$1" "${png[@]}" "PNG32:$2"; }
for size in 48 32 16; do
    velmora "$size" "velmora-$size.png"
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
# ImageMagick writes every .ico image with 32 bits; icotool writes each with the palette asked
# for, the transparent corners going into the mask.
ico=(--bit-depth=1 "$work/32-2.png" --bit-depth=4 "$work/32-16.png" --bit-depth=4 "$work/16-16.png")
true_colour velmora
icotool --create --output=velmora.ico "${ico[@]}"
# The scalable icon of the hicolor theme, from the same drawing.
awk -v size=32 -f ../../scripts/mvg2svg.awk velmora.mvg > velmora.svg

# The About box's picture: 32 by 32 in at most 16 colours, for the window and as an .ico; and the
# same drawing, in the same colours, for screens scaled to 125, 150 and 200 %.
for size in 32 40 48 64; do
    draw about.mvg 32 "$size" -channel A -threshold 50% +channel -channel RGB -colors 15 \
        +channel "${png[@]}" "PNG8:about-$size.png"
    colours="$(identify -format '%k' "about-$size.png")"
    if ((colours > 16)); then
        echo "about-$size.png has $colours colours, more than 16" >&2
        exit 1
    fi
done
icotool --create --output=about.ico --bit-depth=4 about-32.png
