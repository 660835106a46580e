# What the real runs under Wine share (sourced by realrun.sh and removalrun.sh, which set scratch
# first): the checks of the tools, windows found by title and driven from the keyboard, the
# wizard confirmed as a user confirms it, and Wine's processes of this run's prefix.

# Says what failed, and keeps a picture of the screen as it was then.
fail() {
    echo "FAIL: $*" >&2
    import -window root "$scratch/failure.png" 2>/dev/null && echo "The screen: $scratch/failure.png" >&2
    exit 1
}

# A command that fails outside any check ends the run through set -e, which says nothing: say
# which command it was, and where, so that a run that failed once can be read afterwards.
set -E
failed_command() {
    # In a command substitution, the command that holds it is named next, once.
    ((BASH_SUBSHELL == 0)) || return "$1"
    fail "\"$2\" failed (exit $1) at line $3 of ${BASH_SOURCE[1]##*/}"
}
trap 'failed_command $? "$BASH_COMMAND" "$LINENO"' ERR

[[ -n ${DISPLAY:-} ]] || fail "no X server (DISPLAY is empty): run the tests through scripts/test.sh windows"
for tool in wine winepath xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done
# The folders as they stand: nothing but their own DLLs and plugins.
unset WINEQT_QPA_PLATFORM WINEQT_PLUGIN_PATH WINEPATH

program_pid=
cleanup() {
    if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# The newest visible window of that title other than those given; waits a minute at most.
window_titled() {
    local title="$1" others id
    shift
    others="$(printf '%s|' none "$@")"
    for _ in $(seq 120); do
        id="$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -vxE "${others%|}" | tail -n 1 || true)"
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.5
    done
    return 1
}

# Keys to a window, once it has been showing long enough to take them: a page ignores a press
# that began before it was shown.
keys_to() {
    local id="$1"
    shift
    sleep 1.5
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    sleep 0.3
    xdotool key --delay 200 "$@"
}

title="Dovrik's Software Sweepwright"
# Starts Sweepwright.exe at the Windows path given (or the command given), then "Next" and "YES"
# as a user would; sets second to the second page's window. Windows of that title already open
# are named in the array open_windows.
open_windows=()
confirm_removal() {
    wine "$@" </dev/null >>"$scratch/wine.log" 2>&1 &
    program_pid=$!
    local first
    first="$(window_titled "$title" "${open_windows[@]}")" || fail "Sweepwright's first page did not show"
    keys_to "$first" Tab space # "Next"
    second="$(window_titled "$title" "$first" "${open_windows[@]}")" || fail "Sweepwright's second page did not show"
    keys_to "$second" Tab space # "YES"
}

# winepath exits 0 whatever the path; twice a run ended on its exit status 1, which is Wine
# failing to start it, and passed when run again. So it is tried once more, and what Wine said
# is kept in the run's log.
winepath() {
    command winepath "$@" 2>>"$scratch/wine.log" && return 0
    echo "winepath $* failed to start; trying once more" >>"$scratch/wine.log"
    sleep 1
    command winepath "$@" 2>>"$scratch/wine.log"
}

# A folder of the user's as the prefix names it: known_folder LOCALAPPDATA.
known_folder() {
    local folder
    folder="$(wine cmd /d /c "echo %$1%" 2>/dev/null | tr -d '\r')"
    [[ $folder == [A-Za-z]:\\* ]] || fail "Wine named no folder for %$1%: \"$folder\""
    echo "$folder"
}

# The Linux process identifiers of this run's prefix whose Windows command line matches.
processes() {
    local pid
    for pid in $(pgrep -f "$1" || true); do
        if grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null; then echo "$pid"; fi
    done
}

# Waits until a process of this run's prefix whose Windows command line matches runs, and
# prints it; or, given "ended", until none does. Two minutes at most.
process() {
    local found
    for _ in $(seq 240); do
        found="$(processes "$1" | tail -n 1)"
        if [[ ${2:-} == ended ]]; then
            [[ -z $found ]] && return 0
        elif [[ -n $found ]]; then
            echo "$found"
            return 0
        fi
        sleep 0.5
    done
    return 1
}
