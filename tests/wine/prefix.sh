#!/bin/sh
# Makes the Wine prefix in WINEPREFIX anew, as a Windows installation holds what the programs
# need: prefix.sh [<wineserver>]. Wine's server is started first, to last until "wineserver --kill", with
# nothing of the caller's open: a Wine program that starts the server hands it its standard
# output, and a caller such as CTest would wait for the server to close it.
#
# Debian's Wine 8 does not find its own fonts ("MS Sans Serif", "Tahoma" and the rest, package
# fonts-wine) for a new prefix, so that every face is drawn in the first sans-serif face of the
# Linux system. Windows keeps its fonts in C:\Windows\Fonts, and so does the prefix.
set -eu
: "${WINEPREFIX:?WINEPREFIX names no prefix}"
wineserver="${1:-wineserver}"
rm -rf -- "$WINEPREFIX"
mkdir -p -- "$WINEPREFIX"
"$wineserver" --persistent </dev/null >/dev/null 2>&1
wineboot --init </dev/null >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p -- "$fonts"
for font in /usr/share/wine/fonts/*; do
    [ -e "$font" ] && ln -sf -- "$font" "$fonts/"
done
