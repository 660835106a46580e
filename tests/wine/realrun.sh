#!/usr/bin/env bash
# Both programs as a user runs them on Windows, under Wine: installed as the install lays them
# down, into a folder whose path holds blanks and cmd.exe's special characters, started from there
# with the real windows platform plugin on the X server in DISPLAY, and driven from the keyboard.
#
#   realrun.sh sweepwright <build folder> <scratch folder>
#       Next, then YES: Sweepwright.cmd beside the program runs through cmd.exe, and the wizard ends.
#   realrun.sh sysinfo <build folder> <scratch folder>
#       With the registry naming Wine's own msinfo32.exe, About, then "System Info..." starts it.
#   realrun.sh installer <build folder> <scratch folder>
#       The installer, silently; Velmora from its shortcut; then Sweepwright as Apps & features
#       starts it: Next, then YES, and every trace is gone but a file of the user's own.
#   realrun.sh reinstall <build folder> <scratch folder>
#       The installer again over an install in a folder of the user's choice: to that folder and
#       no other; over a running Velmora, silently, it fails and changes nothing, and
#       interactively it asks for Velmora to be closed and then installs.
#
# WINEPREFIX and the rest of the tests' Wine environment come from CTest.
set -euo pipefail

mode="$1"
build="$2"
scratch="$3"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[[ -n ${DISPLAY:-} ]] || fail "no X server (DISPLAY is empty): run the tests through scripts/test.sh windows"
for tool in wine winepath xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done

folder="$scratch/odd & (x) ^ !"
rm -rf "$scratch"
mkdir -p "$scratch"
[[ $mode == installer ]] || cmake --install "$build" --prefix "$folder" >/dev/null
# The folder as it stands: nothing but its own DLLs and plugins.
unset WINEQT_QPA_PLATFORM WINEQT_PLUGIN_PATH WINEPATH
windows_folder="$(winepath -w "$folder" 2>/dev/null)"

program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null || true
}
trap cleanup EXIT

# The newest visible window of that title other than the one given; waits a minute at most.
window_titled() {
    local title="$1" other="${2:-none}" id
    for _ in $(seq 120); do
        id="$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -vx "$other" | tail -n 1 || true)"
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
# Starts Sweepwright.exe at the Windows path given, then "Next" and "YES" as a user would;
# sets second to the second page's window.
confirm_removal() {
    wine "$1" </dev/null >>"$scratch/wine.log" 2>&1 &
    program_pid=$!
    local first
    first="$(window_titled "$title")" || fail "Sweepwright's first page did not show"
    keys_to "$first" Tab space # "Next"
    second="$(window_titled "$title" "$first")" || fail "Sweepwright's second page did not show"
    keys_to "$second" Tab space # "YES"
}

case "$mode" in
sweepwright)
    printf '@echo off\r\necho ran> "%%~dp0ran.txt"\r\n' >"$folder/Sweepwright.cmd"
    confirm_removal "$windows_folder\\Sweepwright.exe"
    for _ in $(seq 120); do
        [[ -f $folder/ran.txt ]] && break
        sleep 0.5
    done
    [[ -f $folder/ran.txt ]] || fail "Sweepwright.cmd beside the program did not run"
    for _ in $(seq 60); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.5
    done
    kill -0 "$program_pid" 2>/dev/null && fail "the wizard did not end after starting the script"
    program_pid=
    echo "Sweepwright.cmd ran through cmd.exe from \"$windows_folder\", and the wizard ended."
    ;;
sysinfo)
    wine reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ \
        /d 'C:\windows\system32\msinfo32.exe' /f >/dev/null
    wine "$windows_folder\\Velmora.exe" </dev/null >"$scratch/wine.log" 2>&1 &
    program_pid=$!
    main="$(window_titled Velmora)" || fail "Velmora's window did not show"
    keys_to "$main" alt+h a
    about="$(window_titled "About Velmora")" || fail "the About box did not show"
    keys_to "$about" alt+s
    tool="$(window_titled "About System Information")" || fail "System Info... did not start msinfo32.exe"
    wine taskkill /f /im msinfo32.exe >/dev/null 2>&1 || true
    wine reg delete 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /f >/dev/null
    echo "\"System Info...\" started Wine's msinfo32.exe."
    ;;
installer)
    setup="$(ls "$build"/Velmora-*-setup.exe)" || fail "the installer has not been built"
    # The installer's version entries are the programs' own.
    version_entry() { strings -el "$1" | grep -A1 -x "$2" | tail -n 1; }
    for name in ProductName CompanyName FileVersion ProductVersion; do
        [[ -n $(version_entry "$setup" "$name") &&
            $(version_entry "$setup" "$name") == $(version_entry "$build/Velmora.exe" "$name") ]] \
            || fail "the installer's $name is not Velmora.exe's"
    done
    # Silently, into a folder of the user's programs whose name holds cmd.exe's special
    # characters. NSIS takes the folder last and unquoted, so the command line is written for
    # cmd.exe, in a script, with those characters escaped.
    cp "$setup" "$scratch/setup.exe"
    printf '@"%%~dp0setup.exe" /S /D=%%LOCALAPPDATA%%\\Programs\\odd ^& (x) ^^ !\r\n' >"$scratch/install.cmd"
    wine cmd /d /c "$(winepath -w "$scratch/install.cmd" 2>/dev/null)" </dev/null >"$scratch/wine.log" 2>&1 \
        || fail "the silent install failed"
    # Where Windows puts a user's programs and Start menu, as the prefix names them.
    known_folder() { wine cmd /d /c "echo %$1%" 2>/dev/null | tr -d '\r'; }
    installed="$(winepath -u "$(known_folder LOCALAPPDATA)\\Programs\\odd & (x) ^ !" 2>/dev/null)"
    for _ in $(seq 60); do
        [[ -f $installed/Sweepwright.exe ]] && break
        sleep 0.5
    done
    menu="$(winepath -u "$(known_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora" 2>/dev/null)"
    key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
    for file in Velmora.exe Sweepwright.exe Sweepwright.cmd sweepwright-report.exe Qt6Core.dll \
        platforms/qwindows.dll; do
        [[ -f $installed/$file ]] || fail "the installer did not lay down $file in $installed"
    done
    [[ -f $menu/Velmora.lnk && -f $menu/Sweepwright.lnk ]] || fail "the Start-menu shortcuts are missing"
    entry="$(wine reg query "$key" 2>/dev/null | tr -d '\r')" || fail "Apps & features has no entry"
    for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString EstimatedSize; do
        grep -q "^ *$value " <<<"$entry" || fail "the Uninstall key lacks $value"
    done

    wine start /unix "$menu/Velmora.lnk" </dev/null >>"$scratch/wine.log" 2>&1
    main="$(window_titled Velmora)" || fail "Velmora did not start from its shortcut"
    # Closed as Windows closes it when its user logs off: taskkill asks its window to close.
    wine taskkill /im Velmora.exe >/dev/null 2>&1 || true
    for _ in $(seq 60); do
        xdotool search --onlyvisible --name '^Velmora$' >/dev/null 2>&1 || break
        sleep 0.5
    done

    printf 'mine\r\n' >"$installed/my notes.txt"
    # Apps & features runs the entry's command line as it stands.
    uninstall="$(sed -n 's/^ *UninstallString *REG_SZ *//p' <<<"$entry")"
    confirm_removal "${uninstall//\"/}"
    report="$(window_titled "$title" "$second")" || fail "the user's own file was not reported"
    temp="$(winepath -u "$(known_folder TEMP)" 2>/dev/null)"
    grep -q 'my notes.txt' "$temp"/Sweepwright-*.txt 2>/dev/null || fail "the report does not name the user's file"
    keys_to "$report" Return
    program_pid=
    for _ in $(seq 60); do
        [[ $(ls -A "$installed") == "my notes.txt" ]] && break
        sleep 0.5
    done
    left="$(cd "$installed" && find . -mindepth 1 | sort)"
    [[ $left == "./my notes.txt" ]] || fail "the removal left behind: $left"
    [[ ! -e $menu ]] || fail "the Start-menu shortcuts are still there"
    wine reg query "$key" >/dev/null 2>&1 && fail "the Uninstall key is still there"
    ls "$temp"/Sweepwright-*.txt >/dev/null 2>&1 && fail "the removal left its report in $temp"
    echo "Installed, started from the Start menu, and removed through Sweepwright: only the user's file is left."
    ;;
reinstall)
    setup="$(ls "$build"/Velmora-*-setup.exe)" || fail "the installer has not been built"
    cp "$setup" "$scratch/setup.exe"
    # run_setup <arguments...>: the installer's exit code.
    run_setup() {
        local code=0
        wine "$(winepath -w "$scratch/setup.exe" 2>/dev/null)" "$@" </dev/null >>"$scratch/wine.log" 2>&1 \
            || code=$?
        echo "$code"
    }
    known_folder() { wine cmd /d /c "echo %$1%" 2>/dev/null | tr -d '\r'; }
    local_programs="$(known_folder LOCALAPPDATA)\\Programs"
    chosen="$local_programs\\Countdown"
    installed="$(winepath -u "$chosen" 2>/dev/null)"
    default="$(winepath -u "$local_programs\\Velmora" 2>/dev/null)"
    elsewhere="$(winepath -u "$local_programs\\Elsewhere" 2>/dev/null)"
    menu="$(winepath -u "$(known_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora" 2>/dev/null)"
    key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
    entry_value() {
        wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
    }
    forget_install() {
        wine reg delete "$key" /f >/dev/null 2>&1 || true
        rm -rf "$installed" "$default" "$elsewhere" "$menu"
    }
    forget_install
    setup_pid=
    trap 'cleanup; [[ -n $setup_pid ]] && kill "$setup_pid" 2>/dev/null; forget_install' EXIT

    code="$(run_setup /S "/D=$chosen")"
    [[ $code == 0 && -f $installed/Velmora.exe ]] || fail "the first install, to $chosen, failed ($code)"
    # Again, as an upgrade would run it: into the same folder, and no other.
    rm "$installed/sweepwright-report.exe"
    code="$(run_setup /S)"
    [[ $code == 0 ]] || fail "installing again failed ($code)"
    [[ -f $installed/sweepwright-report.exe ]] || fail "installing again did not go to $chosen"
    [[ ! -e $default ]] || fail "installing again made a second copy in $default"
    [[ $(entry_value InstallLocation) == "$chosen" ]] || fail "the entry names $(entry_value InstallLocation)"
    # Elsewhere, while installed: refused, with nothing made there. Wine hands the shell the low
    # byte of the exit code, 1638.
    code="$(run_setup /S "/D=$local_programs\\Elsewhere")"
    [[ $code == $((1638 % 256)) && ! -e $elsewhere ]] || fail "an install elsewhere was not refused ($code)"

    # Over a running Velmora. Every file is given an old time and the entry an old version, so
    # that anything written shows: the installer gives each file its own time.
    wine "$chosen\\Velmora.exe" </dev/null >>"$scratch/wine.log" 2>&1 &
    program_pid=$!
    window_titled Velmora >/dev/null || fail "the installed Velmora did not start"
    find "$installed" -type f -exec touch -d 2001-01-01 {} +
    wine reg add "$key" /v DisplayVersion /d 0.99 /f >/dev/null 2>&1
    code="$(run_setup /S)"
    [[ $code == 32 ]] || fail "installing over a running Velmora ended with $code, not 32"
    written="$(find "$installed" -type f -newermt 2001-01-02)"
    [[ -z $written ]] || fail "installing over a running Velmora wrote: $written"
    [[ $(entry_value DisplayVersion) == 0.99 ]] || fail "installing over a running Velmora changed the entry"
    kill -0 "$program_pid" 2>/dev/null || fail "Velmora did not survive the refused install"

    # Interactively: the folder is shown, Install; the message names Velmora; it is closed, Retry.
    wine "$(winepath -w "$scratch/setup.exe" 2>/dev/null)" </dev/null >>"$scratch/wine.log" 2>&1 &
    setup_pid=$!
    page="$(window_titled 'Velmora [0-9.]* Setup: Installation Folder')" || fail "the installer's page did not show"
    keys_to "$page" Return # Install
    question="$(window_titled 'Velmora [0-9.]* Setup')" || fail "the installer did not ask for Velmora to close"
    wine taskkill /im Velmora.exe >/dev/null 2>&1 || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    keys_to "$question" Return # Retry
    window_titled 'Velmora [0-9.]* Setup: Completed' >/dev/null || fail "the install did not complete after Retry"
    keys_to "$page" Return # Close
    code=0
    wait "$setup_pid" || code=$?
    setup_pid=
    [[ $code == 0 ]] || fail "the install after Velmora closed ended with $code"
    [[ -z $(find "$installed" -type f ! -newermt 2001-01-02) ]] || fail "the install after Velmora closed left old files"
    [[ $(entry_value DisplayVersion) == 1.00 ]] || fail "the install after Velmora closed did not write the entry"
    wine "$chosen\\Velmora.exe" </dev/null >>"$scratch/wine.log" 2>&1 &
    program_pid=$!
    window_titled Velmora >/dev/null || fail "Velmora did not start after the reinstall"
    wine taskkill /im Velmora.exe >/dev/null 2>&1 || true
    echo "Installed again into $chosen alone; over a running Velmora refused silently, and after it closed, installed."
    ;;
*)
    fail "unknown run: $mode"
    ;;
esac
