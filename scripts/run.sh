#!/usr/bin/env bash
# Builds the two programs alone (preset "programs": optimised, without tests or benchmarks) and
# starts one: Velmora (the default) or Sweepwright.
# Without a display, the program runs under Xvfb instead: the script photographs its windows at
# 100 % and at 200 % into build/screenshots/, prints the pictures' paths and exits.
set -euo pipefail

program="${1:-Velmora}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

case "$program" in
Velmora) binary="$root/build/programs/countdown/Velmora" ;;
Sweepwright) binary="$root/build/programs/uninstaller/Sweepwright" ;;
*)
    echo "usage: $0 [Velmora|Sweepwright]" >&2
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
    "$root/scripts/screenshot.sh" "$program" "$binary" "$shots"
