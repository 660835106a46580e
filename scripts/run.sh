#!/usr/bin/env bash
# Builds the two programs alone (preset "programs": optimised, without tests or benchmarks) and
# starts one: Velmora (the default) or Sweepwright.
# Without a display, the program runs under Xvfb instead: the script photographs its windows at
# 100 % and at 200 % into build/screenshots/, prints the pictures' paths and exits.
#
# "run.sh windows" photographs both programs as Windows shows them: the Windows build (preset
# "windows"), installed as it would be, under Wine on an X server of its own, into
# build/screenshots/windows/.
#
# A language after the program (de, fr or es) starts it in that language, as a user whose
# system speaks it would see it; its pictures go to build/screenshots/<language>/. Without one,
# the program speaks the user's language, and its pictures are taken in English.
set -euo pipefail

program="${1:-Velmora}"
language="${2:-}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
case "$language" in
"") ;;
de | fr | es)
    # The language alone decides; the country only completes the variable's form.
    country="$(echo "$language" | tr '[:lower:]' '[:upper:]')"
    export LANGUAGE="$language" LANG="${language}_${country}.UTF-8" LC_ALL=
    ;;
*)
    echo "usage: $0 [Velmora|Sweepwright|windows] [de|fr|es]" >&2
    exit 2
    ;;
esac

case "$program" in
Velmora) binary="$root/build/programs/countdown/Velmora" ;;
Sweepwright) binary="$root/build/programs/uninstaller/Sweepwright" ;;
windows)
    "$root/scripts/setup.sh" windows
    run="$root/build/windows-run"
    rm -rf "$run/Velmora"
    cmake --install "$root/build/windows" --prefix "$run/Velmora" >/dev/null
    export WINEPREFIX="$run/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine takes the user's language from these variables.
    [[ -n $language ]] || export LANGUAGE=en LANG=en_US.UTF-8 LC_ALL=
    shots="$root/build/screenshots/windows${language:+/$language}"
    mkdir -p "$shots"
    # shellcheck disable=SC2016 # the inner shell expands its own arguments
    exec xvfb-run --auto-servernum --server-args="-noreset -screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
        bash -c '
            set -e
            "$0/tests/wine/prefix.sh" # unmanaged windows: Wine draws their frames, as Windows does
            for program in Velmora Sweepwright; do
                "$0/scripts/screenshot.sh" "$program" "$1" "${3:-en}" wine "$2/$program.exe" ||
                    echo "run.sh: a window of $program did not show under Wine; its picture is missing" >&2
            done
            wineserver --kill' "$root" "$shots" "$run/Velmora" "$language"
    ;;
*)
    echo "usage: $0 [Velmora|Sweepwright|windows] [de|fr|es]" >&2
    exit 2
    ;;
esac

"$root/scripts/setup.sh" programs

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$binary"
fi

shots="$root/build/screenshots${language:+/$language}"
mkdir -p "$shots"
export QT_FONT_DPI=96
if [[ -z $language ]]; then
    export LANGUAGE=en
fi
exec xvfb-run --auto-servernum --server-args="-noreset -screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
    "$root/scripts/screenshot.sh" "$program" "$shots" "${language:-en}" "$binary"
