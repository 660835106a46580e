# shellcheck shell=bash
# Sourced by each program's icons/render.sh: what drawing an icon takes, the same for both
# programs. A scratch folder, removed at the end; PNG options; and the images of today's screens
# that every .ico holds after those of old.

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# PNG files without a time in them, so that drawing again changes only what was redrawn.
# shellcheck disable=SC2034,SC2054 # used by the scripts that source this; the commas are the option's
png=(-define png:exclude-chunks=date,time)

# draw <drawing.mvg> <the size it is drawn for> <size> <what convert does then...>: the
# drawing, scaled.
draw() {
    local drawing="$1" scale
    scale="$(awk "BEGIN { print $3 / $2 }")"
    shift 2
    convert -size "$1x$1" xc:none -draw "scale $scale,$scale $(grep -v '^#' "$drawing")" "${@:2}"
}

# true_colour <render> : appends to the array ico the images of today's screens and their
# scales, 256, 48, 32, 24 and 16 pixels in true colour with soft edges, the largest kept as PNG
# as Windows keeps it. "render <size> <file>" draws each, the largest first.
true_colour() {
    local size
    for size in 256 48 32 24 16; do
        "$1" "$size" "$work/$size-32.png"
        if ((size == 256)); then
            ico+=(--raw="$work/$size-32.png")
        else
            ico+=(--bit-depth=32 "$work/$size-32.png")
        fi
    done
}
