#!/usr/bin/env bash
# Velmora started for real on a screen too small for it at a high scale: its main window, its
# Help window and its About box, opened from the keyboard, must each open with their top-left
# corner on the screen, where the title bar and the menu bar can be reached.
#
#   smallscreen.sh <scale> <command...>
#
# Without DISPLAY it makes an X server of a laptop's 1366 x 768 for itself; under Wine it uses
# the tests' X server (1280 x 1024, where the windows at 300 % no longer fit). Wine hands a
# Windows program Qt's variables only under the prefix "WINE".
set -euo pipefail

if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-noreset -screen 0 1366x768x24 -dpi 96 -nolisten tcp" "$0" "$@"
fi
scale="$1"
shift
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" WINEQT_SCALE_FACTOR="$scale"
unset WINEQT_QPA_PLATFORM
# Under AddressSanitizer, X's keyboard library reads a string in a way its strict checks of the
# C string functions refuse, before any code of ours runs; the rest of the checks stay.
if [[ -n ${ASAN_OPTIONS:-} ]]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window_titled() {
    timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Prints the window's frame as "x y width height": without a window manager, the X window is
# the frame, which Wine draws inside it.
frame_of() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X $Y $WIDTH $HEIGHT"
}

check_on_screen() {
    local name="$1" window="$2" x y width height
    sleep 0.5
    read -r x y width height < <(frame_of "$window")
    echo "$name: ${width}x$height at $x,$y"
    ((x >= 0 && y >= 0)) || fail "$name opened with its top-left corner off the screen, at $x,$y"
}

main="$(window_titled Velmora)" || fail "Velmora's window did not show"
check_on_screen Velmora "$main"

# Help, Help, then Help, About, from the keyboard: the menu's access key opens it, the item's
# chooses it. Wine takes a window for the active one only when it is clicked, as a user would
# after the Help window took the focus: the click is on the menu bar's empty right end. On a
# loaded machine Wine may open the menu after the item's key has gone by, so a menu that chose
# nothing is closed and opened again, three times at most.
open_from_menu() {
    local item="$1" title="$2" attempt window x y width height
    read -r x y width height < <(frame_of "$main")
    for attempt in 1 2 3; do
        xdotool mousemove --window "$main" $((width - 40)) 50 click 1 2>/dev/null
        xdotool windowfocus --sync "$main" key alt+h sleep "$attempt" key "$item" 2>/dev/null
        if window="$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)" &&
            [[ -n $window ]]; then
            echo "$window"
            return 0
        fi
        xdotool key Escape sleep 0.3 key Escape 2>/dev/null || true
    done
    return 1
}

help="$(open_from_menu h Help)" || fail "Help, Help opened no window"
check_on_screen Help "$help"
about="$(open_from_menu a 'About Velmora')" || fail "Help, About opened no box"
check_on_screen "About Velmora" "$about"
