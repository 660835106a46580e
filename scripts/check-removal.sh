#!/usr/bin/env bash
# Sweepwright and its removal script from an unpacked package, as a user without the right to
# remove software meets them, on an X server of their own:
#
# 1. Sweepwright started as its menu entry starts it, Next (by a held Enter), then YES, both from
#    the keyboard. The wizard must close, and the removal script must then say in a window that
#    nothing was removed, for the reason pkexec gives and not the one of a caller it refuses to
#    serve (a script that handed itself over to pkexec leaves it without a living parent, and
#    pkexec then ends without a word to the user); the wizard's own watch of the script must
#    show no second window for it.
# 2. The script with /usr/bin/pkexec replaced, in a mount namespace of its own, by a stub that
#    records what it is asked to run and answers as pkexec does when the password request is
#    cancelled (126) or refused (127), and as dpkg does when it cannot remove the package (1),
#    each with a line of its own: it must be asked for "dpkg --purge velmora", and the window
#    must give the reason, with pkexec's or dpkg's words where they say more.
# 3. The report window started with an empty text still says something a user can act on.
#
# Usage: check-removal.sh <folder the package is unpacked in>   (scripts/check-package.sh)
set -euo pipefail

unpacked="$1"
private="$unpacked/usr/lib/velmora"
user=nobody
title="^Dovrik's Software Sweepwright$"
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
for tool in Xvfb xdotool runuser unshare; do
    command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/setup.sh)"
done

work=
x_server=
cleanup() {
    # What the runs left, found by this run's own unpacked folder: the script and its window are
    # detached from the wizard, so no process of ours is their parent.
    pkill -u "$user" -f "$private/" 2>/dev/null || true
    if [[ -n $x_server ]]; then kill "$x_server" 2>/dev/null || true; fi
    if [[ -n $work ]]; then rm -rf "$work"; fi
}
trap cleanup EXIT
work="$(mktemp -d)"
chmod 755 "$work" "$unpacked"
log="$work/stderr.log"
touch "$log" && chown "$user" "$log"

# shellcheck source=scripts/xserver.sh
. "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
start_x_server "$work" || fail "no X server for the wizard"
xdotool getdisplaygeometry >/dev/null || fail "Xvfb on $DISPLAY takes no clients"

as_user() {
    runuser -u "$user" -- env -i DISPLAY="$DISPLAY" HOME="$work" QT_FONT_DPI=96 "$@"
}

# The newest visible window of the title other than the one given; waits two minutes at most,
# as a program's first window can take that long on a new machine busy with builds, where the
# user's font cache is made first.
window_titled() {
    local other="${1:-none}" id
    for _ in $(seq 1200); do
        id="$(xdotool search --onlyvisible --name "$title" 2>/dev/null | grep -vx "$other" | tail -n 1 || true)"
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# What a report window was given: why, and what the system said, a line each (the window tells
# it in words of the user's language, which the report writes to standard error too).
report_text() {
    local pid
    pid="$(xdotool getwindowpid "$1")" || fail "the report window names no process"
    tr '\0' '\n' <"/proc/$pid/cmdline" | tail -n +2
}

# Closes a report window from the keyboard, and waits for the process given to end.
close_report() {
    xdotool windowfocus --sync "$1" key Return
    for _ in $(seq 100); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "the report window did not close on Enter"
}

echo "Sweepwright, refused by pkexec"
as_user "$private/Sweepwright" 2>>"$log" &
wizard=$!
first="$(window_titled)" || {
    kill -0 "$wizard" 2>/dev/null && state="it still runs" || state="it ended"
    fail "Sweepwright's first page did not show ($state); it said: $(cat "$log")"
}
# A page takes no press within the double-click interval of its opening. "Next" is pressed by
# Enter held for a while: the server's key repeats must not answer the question that it opens.
sleep 1
xdotool windowfocus --sync "$first"
xdotool key Tab
xdotool keydown Return
sleep 1.5
xdotool keyup Return
second="$(window_titled "$first")" || fail "Enter on Next did not open the confirmation page"
sleep 0.5
kill -0 "$wizard" 2>/dev/null || fail "the held Enter answered the confirmation page"
sleep 1
xdotool windowfocus --sync "$second" key Tab space # YES
for _ in $(seq 100); do kill -0 "$wizard" 2>/dev/null || break; sleep 0.1; done
kill -0 "$wizard" 2>/dev/null && fail "the wizard did not close after YES"

# The script's standard error goes to the wizard, which shows the end of it only when the script
# fails before its own window does: the window's own text is what the user reads.
report="$(window_titled)" || fail "no window reported the refused removal; Sweepwright said: $(cat "$log")"
text="$(report_text "$report")"
[[ $text == *'dead parents'* ]] && fail "pkexec was left without a living parent: $text"
[[ $text == refused* ]] ||
    fail "the report does not say why: \"$text\"; Sweepwright said: $(cat "$log")"
# One failure, one window: the wizard's watch of the script must not add its own.
windows="$(xdotool search --onlyvisible --name "$title" 2>/dev/null | wc -l)"
[[ $windows -eq 1 ]] || fail "$windows windows reported the refused removal"
if command -v import >/dev/null; then
    mkdir -p "${SCREENSHOTS:-/tmp}"
    import -window "$report" "${SCREENSHOTS:-/tmp}/Sweepwright-removal-refused.png" 2>/dev/null || true
fi
reporter="$(xdotool getwindowpid "$report")"
close_report "$report" "$reporter"

# The stub reads its answer from files, so that one stub serves every round.
cat >"$work/pkexec" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >'$work/asked'
cat '$work/said' >&2
exit "\$(cat '$work/status')"
STUB
chmod 755 "$work/pkexec"
touch "$work/asked" && chown "$user" "$work/asked"

# stub_round <status> <words> <how the report begins> <whether it must give the words>
stub_round() {
    local status="$1" said="$2" opening="$3" quoted="$4" script text
    echo "Sweepwright.cmd, pkexec answering $status"
    printf '%s\n' "$status" >"$work/status"
    printf '%s\n' "$said" >"$work/said"
    : >"$work/asked"
    : >"$log"
    # shellcheck disable=SC2016 # the inner shell expands its own arguments
    unshare --mount --propagation private sh -c \
        'mount --bind "$1" /usr/bin/pkexec && shift && exec "$@"' _ "$work/pkexec" \
        runuser -u "$user" -- env -i DISPLAY="$DISPLAY" HOME="$work" QT_FONT_DPI=96 \
        "$private/Sweepwright.cmd" 2>>"$log" &
    script=$!
    report="$(window_titled)" || fail "no window reported status $status; the script said: $(cat "$log")"
    [[ $(cat "$work/asked") == "/usr/bin/dpkg --purge velmora" ]] ||
        fail "pkexec was asked to run \"$(cat "$work/asked")\", not \"/usr/bin/dpkg --purge velmora\""
    close_report "$report" "$script"
    # The window's text, as the report wrote it to the script's standard error.
    text="$(sed -n '/^sweepwright-report: /,$p' "$log")"
    [[ $text == "sweepwright-report: Velmora has not been removed: $opening"* ]] ||
        fail "status $status was reported as: $text"
    [[ $text == *"sudo apt purge velmora"* ]] || fail "the report of status $status does not say what to do instead"
    if $quoted; then
        [[ $text == *"$said"* ]] || fail "the report of status $status lost what was said: $text"
    fi
}
stub_round 126 "Error executing command as another user: Request dismissed" \
    "the request for an administrator's password was cancelled." false
stub_round 127 "Error executing command as another user: Not authorized" \
    "the removal was not authorised." true
stub_round 1 "dpkg: error: dpkg frontend lock was locked by another process with pid 4242" \
    "the package manager could not remove it." true

echo "the report window with an empty text"
as_user "$private/sweepwright-report" '' 2>"$work/empty.log" &
reporter=$!
report="$(window_titled)" || fail "the report window with an empty text did not show: $(cat "$work/empty.log")"
grep -q 'Velmora may still be installed' "$work/empty.log" ||
    fail "the report window with an empty text says nothing a user can act on: $(cat "$work/empty.log")"
close_report "$report" "$reporter"
echo "removal check passed: refused, every answer of pkexec and dpkg said so in a window"
