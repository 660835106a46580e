# shellcheck shell=bash
# Sourced by the checks that show windows: an X server of their own.
#
# start_x_server <folder>: starts Xvfb (a 1024 x 768 screen at 96 dots per inch), waits until it
# takes clients, and exports its DISPLAY; x_server holds its process, for the caller to end. The
# server picks a free display itself and says which (-displayfd): xvfb-run's guess of a free
# number can take the one another check is starting a server on at the same moment. Returns 1,
# having said why, when it does not start.
#
# The server does not reset when its last client leaves (-noreset): between two rounds of a check
# the only clients are xdotool's short calls, and a program connecting while the server resets
# is turned away ("could not connect to display"), as a report window was once on a busy machine.
start_x_server() {
    local folder="$1"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$folder/display" \
        2>"$folder/xvfb.log" &
    x_server=$!
    for _ in $(seq 300); do
        [[ -s $folder/display ]] && break
        kill -0 "$x_server" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -s $folder/display ]]; then
        echo "Xvfb did not start: $(cat "$folder/xvfb.log")" >&2
        return 1
    fi
    DISPLAY=":$(head -n 1 "$folder/display")"
    export DISPLAY
}
