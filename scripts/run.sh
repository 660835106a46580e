#!/usr/bin/env bash
# Builds the two programs alone (preset "programs": optimised, without tests or benchmarks) and
# starts one: Velmora (the default) or Sweepwright.
# Without a display, the program runs under Xvfb instead: the script photographs its windows at
# 100 % and at 200 % into build/screenshots/, prints the pictures' paths and exits.
#
# "run.sh windows" photographs both programs as Windows shows them: the Windows build (preset
# "windows"), installed as it would be, under Wine on an X server of its own, into
# build/screenshots/windows/.
set -euo pipefail

program="${1:-Velmora}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

case "$program" in
Velmora) binary="$root/build/programs/countdown/Velmora" ;;
Sweepwright) binary="$root/build/programs/uninstaller/Sweepwright" ;;
windows)
    "$root/scripts/setup.sh" windows
    run="$root/build/windows-run"
    rm -rf "$run/Velmora"
    cmake --install "$root/build/windows" --prefix "$run/Velmora" >/dev/null
    export WINEPREFIX="$run/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    shots="$root/build/screenshots/windows"
    mkdir -p "$shots"
    # shellcheck disable=SC2016 # the inner shell expands its own arguments
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
        bash -c '
            set -e
            "$0/tests/wine/prefix.sh" # unmanaged windows: Wine draws their frames, as Windows does
            for program in Velmora Sweepwright; do
                "$0/scripts/screenshot.sh" "$program" "$1" wine "$2/$program.exe" ||
                    echo "run.sh: a window of $program did not show under Wine; its picture is missing" >&2
            done
            wineserver --kill' "$root" "$shots" "$run/Velmora"
    ;;
*)
    echo "usage: $0 [Velmora|Sweepwright|windows]" >&2
    exit 2
    ;;
esac

"$root/scripts/setup.sh" programs

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$binary"
fi

shots="$root/build/screenshots"
mkdir -p "$shots"
export QT_FONT_DPI=96
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
    "$root/scripts/screenshot.sh" "$program" "$shots" "$binary"
