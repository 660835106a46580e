#!/usr/bin/env bash
# Sweepwright from an unpacked package, as a user without the right to remove software meets
# it: started as its menu entry starts it, Next (by a held Enter), then YES. The wizard must close, and the
# removal script must then say in a window that nothing was removed, for the reason pkexec
# gives and not the one of a caller it refuses to serve (a script that handed itself over to
# pkexec leaves it without a living parent, and pkexec then ends without a word to the user).
#
# Usage: check-removal.sh <folder the package is unpacked in>   (scripts/check-package.sh)
set -euo pipefail

unpacked="$1"
user=nobody
fail() {
    echo "removal check failed: $*" >&2
    exit 1
}
command -v /usr/bin/pkexec >/dev/null || fail "pkexec is not installed (run scripts/setup.sh)"
if [[ $(id -u) -ne 0 ]]; then
    # As yourself, your desktop's password dialog could come up and the removal go through.
    echo "removal check skipped: it runs Sweepwright as the user $user, which needs root"
    exit 0
fi

work="$(mktemp -d)"
chmod 755 "$work" "$unpacked"
log="$work/stderr.log"
touch "$log" && chown "$user" "$log"
display=:$((90 + RANDOM % 400))
while [[ -e /tmp/.X${display#:}-lock ]]; do display=:$((${display#:} + 1)); done
Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -ac >/dev/null 2>&1 &
server=$!
cleanup() {
    pkill -u "$user" -f "$unpacked/usr/lib/velmora/" 2>/dev/null || true
    kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

title="^Dovrik's Software Sweepwright$"
runuser -u "$user" -- env -i DISPLAY="$display" HOME="$work" QT_FONT_DPI=96 \
    "$unpacked/usr/lib/velmora/Sweepwright" 2>>"$log" &
wizard=$!
first="$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)"
# A page takes no press within the double-click interval of its opening. "Next" is pressed by
# Enter held for a while: the server's key repeats must not answer the question that it opens.
sleep 1
xdotool windowfocus --sync "$first"
xdotool key Tab
xdotool keydown Return
sleep 1.5
xdotool keyup Return
for _ in $(seq 50); do
    second="$(xdotool search --onlyvisible --name "$title" | grep -vx "$first" | head -n 1 || true)"
    [[ -n "$second" ]] && break
    sleep 0.1
done
[[ -n "$second" ]] || fail "Enter on Next did not open the confirmation page"
sleep 0.5
kill -0 "$wizard" 2>/dev/null || fail "the held Enter answered the confirmation page"
sleep 1
xdotool mousemove --window "$second" 88 168 click 1 # YES
for _ in $(seq 100); do kill -0 "$wizard" 2>/dev/null || break; sleep 0.1; done
kill -0 "$wizard" 2>/dev/null && fail "the wizard did not close after YES"

report="$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)" ||
    fail "no window reported the refused removal; the script said: $(cat "$log")"
grep -q 'dead parents' "$log" && fail "pkexec was left without a living parent: $(cat "$log")"
grep -q 'Velmora has not been removed: the removal was not authorised' "$log" ||
    fail "the report does not say why: $(cat "$log")"
grep -q 'sudo apt purge velmora' "$log" || fail "the report does not say what to do instead"
if command -v import >/dev/null; then
    mkdir -p "${SCREENSHOTS:-/tmp}"
    import -window "$report" "${SCREENSHOTS:-/tmp}/Sweepwright-removal-refused.png" 2>/dev/null || true
fi
xdotool windowfocus --sync "$report" key Return
for _ in $(seq 50); do
    pgrep -u "$user" -f sweepwright-report >/dev/null || break
    sleep 0.1
done
pgrep -u "$user" -f sweepwright-report >/dev/null && fail "the report window did not close on Enter"
echo "removal check passed: refused, and said so in a window"
