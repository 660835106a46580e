#!/usr/bin/env bash
# Renders the About box's picture (about.mvg) into about-32.png: 32 by 32 in at most 16 colours,
# with its transparent corners kept. The rendered file is kept in the tree, so a build needs no
# ImageMagick; run this again after changing the drawing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

convert -size 32x32 xc:none -draw "$(grep -v '^#' about.mvg)" \
    -channel A -threshold 50% +channel -channel RGB -colors 15 +channel \
    -define png:exclude-chunks=date,time "PNG8:about-32.png"
colours="$(identify -format '%k' about-32.png)"
if ((colours > 16)); then
    echo "about-32.png has $colours colours, more than 16" >&2
    exit 1
fi
