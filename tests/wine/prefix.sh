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
# Only a prefix this script made is made anew: one named by mistake, ~/.wine say, is somebody's
# Windows programs and settings.
mark="$WINEPREFIX/.velmora-test-prefix"
if [ -e "$WINEPREFIX" ] && [ ! -e "$mark" ] && [ -n "$(ls -A -- "$WINEPREFIX" 2>/dev/null)" ]; then
    echo "prefix.sh: $WINEPREFIX is a Wine prefix this script did not make; it is left as it is." >&2
    echo "prefix.sh: name a folder of its own in WINEPREFIX, or delete this one yourself." >&2
    exit 1
fi
rm -rf -- "$WINEPREFIX"
mkdir -p -- "$WINEPREFIX"
: >"$mark"
"$wineserver" --persistent </dev/null >/dev/null 2>&1
wineboot --init </dev/null >/dev/null 2>&1
# The tests' X server has no window manager. Wine leaves a managed window's frame to one, and
# when it hides the window waits for one to withdraw it: two seconds lost for every window a
# test closes. Unmanaged, Wine draws the frames itself, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p -- "$fonts"
for font in /usr/share/wine/fonts/*; do
    [ -e "$font" ] && ln -sf -- "$font" "$fonts/"
done

# Reads the big-endian number of $2 bytes at offset $3 of the file $1.
number() {
    od -An -tu"$2" --endian=big -j "$3" -N "$2" -- "$1" | tr -d ' '
}

# Microsoft's Tahoma spaces its lines by its Windows ascent and descent, about 1.2 em apart, as
# the forms were laid out for. Wine's copy asks for its typographic metrics instead (the flag
# USE_TYPO_METRICS), which add up to one em: Wine's GDI ignores the flag, but DirectWrite, which
# Qt draws with on a scaled screen, honours it, and wrapped lines touch. The prefix gets copies
# without the flag, as Windows would have them.
for face in tahoma tahomabd; do
    font="$fonts/$face.ttf"
    [ -e "/usr/share/wine/fonts/$face.ttf" ] || continue
    rm -f -- "$font"
    cp -- "/usr/share/wine/fonts/$face.ttf" "$font"
    tables="$(number "$font" 2 4)"
    i=0
    while [ "$i" -lt "$tables" ]; do
        record=$((12 + 16 * i))
        if [ "$(dd if="$font" bs=1 skip="$record" count=4 2>/dev/null)" = "OS/2" ]; then
            selection=$(($(number "$font" 4 $((record + 8))) + 62))
            flags=$(($(number "$font" 2 "$selection") & ~128))
            # shellcheck disable=SC2059 # the format is the two bytes, as octal escapes
            printf "\\$(printf %03o $((flags >> 8)))\\$(printf %03o $((flags & 255)))" \
                | dd of="$font" bs=1 seek="$selection" conv=notrunc 2>/dev/null
        fi
        i=$((i + 1))
    done
done
