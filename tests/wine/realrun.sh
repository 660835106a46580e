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
#       starts it: Next, then YES, and every trace is gone but the user's own files. With no PATH
#       and programs planted in %TEMP%, into a folder named outside the console's code page, the
#       script's console ended halfway, and run again; then once without a file of the user's.
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
    if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; fi
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
# Starts Sweepwright.exe at the Windows path given (or the command given), then "Next" and "YES"
# as a user would;
# sets second to the second page's window.
confirm_removal() {
    wine "$@" </dev/null >>"$scratch/wine.log" 2>&1 &
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
    cp "$setup" "$scratch/setup.exe"

    # Wine reads the names it is given, and names files, in UTF-8, while its consoles keep a
    # Western code page (437), which has neither Greek nor Japanese letters: as on a Western
    # Windows whose user has such a name.
    export LC_ALL=C.UTF-8
    # Where Windows puts a user's programs, Start menu and temporary files, as the prefix names them.
    known_folder() { wine cmd /d /c "echo %$1%" 2>/dev/null | tr -d '\r'; }
    programs="$(known_folder LOCALAPPDATA)\\Programs"
    menu="$(winepath -u "$(known_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora" 2>/dev/null)"
    temp="$(winepath -u "$(known_folder TEMP)" 2>/dev/null)"
    [[ -n $temp && -d $temp ]] || fail "the prefix names no folder for temporary files"
    key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
    ours=(Velmora.exe Sweepwright.exe Sweepwright.cmd sweepwright-report.exe Qt6Core.dll platforms/qwindows.dll)

    # A bare program name is looked for in the working folder, then on PATH: a removal that used
    # one would run these.
    windows_scratch="$(winepath -w "$scratch" 2>/dev/null)"
    temp_before="$(ls -A "$temp")"
    for program in ping reg cmd chcp; do
        printf '@echo %s.bat ran>>"%s\\planted.txt"\r\n' "$program" "$windows_scratch" >"$temp/$program.bat"
    done
    trap 'rm -f "$temp"/{ping,reg,cmd,chcp}.bat; cleanup' EXIT
    # Apps & features starts the entry's command line as it stands: here with no PATH at all, as
    # for a user whose PATH an installer cut short.
    printf '@set "PATH="\r\n@%%UNINSTALL%%\r\n' >"$scratch/nopath.cmd"
    remove_from_entry() {
        process 'Sweepwright\.exe' ended || fail "the wizard of the removal before did not end"
        wine reg export "$key" "$windows_scratch\\entry.reg" /y >/dev/null 2>&1 || fail "Apps & features has no entry"
        UNINSTALL="$(iconv -f UTF-16 -t UTF-8 "$scratch/entry.reg" | tr -d '\r' |
            sed -n 's/^"UninstallString"="\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g')"
        export UNINSTALL
        confirm_removal cmd /d /c "$windows_scratch\\nopath.cmd"
    }

    # Silently, into a folder of the user's programs of that name. NSIS takes the folder last and
    # unquoted: each word goes as an argument of its own, which Wine passes on as it stands.
    install() {
        local words
        read -ra words <<<"/D=$programs\\$1"
        wine "$scratch/setup.exe" /S "${words[@]}" </dev/null >>"$scratch/wine.log" 2>&1 \
            || fail "the silent install into \"$1\" failed"
        installed="$(winepath -u "$programs\\$1" 2>/dev/null)"
        for _ in $(seq 60); do
            [[ -f $installed/Sweepwright.exe ]] && break
            sleep 0.5
        done
        still_installed "the installer"
        for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString EstimatedSize; do
            grep -q "^ *$value " <<<"$entry" || fail "the Uninstall key lacks $value"
        done
    }
    still_installed() {
        for file in "${ours[@]}"; do
            [[ -f $installed/$file ]] || fail "$1 left no $file in $installed"
        done
        [[ -f $menu/Velmora.lnk && -f $menu/Sweepwright.lnk ]] || fail "$1 left no Start-menu shortcuts"
        entry="$(wine reg query "$key" 2>/dev/null | tr -d '\r')" || fail "$1 left no entry in Apps & features"
    }

    # Waits until a process of this run's prefix whose Windows command line matches runs, and
    # prints it; or, given "ended", until none does.
    process() {
        local pid found
        for _ in $(seq 120); do
            found=
            for pid in $(pgrep -f "$1" || true); do
                grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && found=$pid
            done
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
    # The console's cmd.exe runs the script as the wizard started it, without an argument; the
    # removal's other processes run it with one, or name the report program, up to the last.
    console='cmd\.exe .*Sweepwright\.cmd *$'
    removal='Sweepwright\.cmd|sweepwright-report\.exe'
    # Ends the script's console as closing its window does.
    close_console() {
        local pid
        pid="$(process "$console")" || fail "the script's console did not start ($1)"
        kill -KILL "$pid"
    }

    # 1. Into a folder named in letters of no Western code page, and with cmd.exe's special
    # characters, where the user saves files of their own: they are named, as many as the screen
    # holds, and all in a file beside them; the console, closed while the window shows, stops
    # nothing.
    install 'Ωμέγα 日本 odd & (x) ^ !'
    printf 'mine\r\n' >"$installed/my notes.txt"
    mkdir "$installed/photos"
    for number in $(seq 100); do
        : >"$installed/photos/photo $number.jpg"
    done
    remove_from_entry
    report="$(window_titled "$title" "$second")" || fail "the user's own files were not reported"
    xdotool search --name '^Removing Velmora$' >/dev/null || fail "the script's console has no title"
    close_console "the report showing"
    eval "$(xdotool getwindowgeometry --shell "$report")"
    read -r _ screen_height < <(xdotool getdisplaygeometry)
    ((Y >= 0 && Y + HEIGHT <= screen_height)) || fail "the report, ${HEIGHT} pixels high at $Y, does not fit the screen"
    keys_to "$report" Return
    program_pid=
    process "$removal" ended || fail "the removal did not end"
    listed="$(iconv -f UTF-8 -t UTF-8 "$installed/Velmora removal report.txt" | tr -d '\r')" \
        || fail "the report's list is not in the folder"
    grep -qF "$(winepath -w "$installed" 2>/dev/null)" <<<"$listed" || fail "the list does not name the folder as it is"
    for file in 'my notes.txt' 'photos\photo 1.jpg' 'photos\photo 100.jpg'; do
        grep -qxF "    $file" <<<"$listed" || fail "the list does not name the user's $file"
    done
    [[ $(grep -c '^    ' <<<"$listed") == 101 ]] || fail "the list names more than the user's files: $listed"
    left="$(cd "$installed" && find . -mindepth 1 -maxdepth 1 | sort | tr '\n' ' ')"
    [[ $left == "./Velmora removal report.txt ./my notes.txt ./photos " ]] || fail "the removal left behind: $left"
    [[ ! -e $menu ]] || fail "the Start-menu shortcuts are still there"
    wine reg query "$key" >/dev/null 2>&1 && fail "the Uninstall key is still there"

    # 2. Velmora started from its shortcut and left running: nothing is removed, the window says
    # so, and the console is closed meanwhile. Once Velmora is closed, the console is closed the
    # moment it starts: Velmora is gone or still removed by its entry. Nothing of it is left in
    # the end, the folder included.
    install 'odd & (x) ^ !'
    wine start /unix "$menu/Velmora.lnk" </dev/null >>"$scratch/wine.log" 2>&1
    window_titled Velmora >/dev/null || fail "Velmora did not start from its shortcut"
    remove_from_entry
    busy="$(window_titled "$title" "$second")" || fail "nothing said that Velmora is running"
    close_console "Velmora running"
    keys_to "$busy" Return
    program_pid=
    process "$removal" ended || fail "the window saying that Velmora is running did not close"
    still_installed "a removal while Velmora ran"
    # Closed as Windows closes it when its user logs off: taskkill asks its window to close.
    wine taskkill /im Velmora.exe >/dev/null 2>&1 || true
    process 'Velmora\.exe' ended || fail "Velmora did not close"
    remove_from_entry
    close_console "at once"
    program_pid=
    process "$removal" ended || fail "the removal did not end"
    if [[ -e $installed ]]; then
        still_installed "a removal stopped at once"
        remove_from_entry
        program_pid=
        process "$removal" ended || fail "the removal run again did not end"
    fi
    [[ ! -e $installed ]] || fail "the removal left behind: $(cd "$installed" && find . | sort | tr '\n' ' ')"
    [[ ! -e $menu ]] || fail "the Start-menu shortcuts are still there"
    wine reg query "$key" >/dev/null 2>&1 && fail "the Uninstall key is still there"

    [[ ! -e $scratch/planted.txt ]] || fail "the removal ran programs planted in $temp: $(cat "$scratch/planted.txt")"
    rm -f "$temp"/{ping,reg,cmd,chcp}.bat
    [[ $(ls -A "$temp") == "$temp_before" ]] || fail "the removal left files in $temp"
    echo "Installed twice and removed through Sweepwright, from folders named outside the console's code page" \
        "and with cmd.exe's special characters, with no PATH, the console closed halfway: only the user's files are left."
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
    version="$(strings -el "$setup" | grep -A1 -x ProductVersion | tail -n 1)"
    [[ -n $version && $(entry_value DisplayVersion) == "$version" ]] \
        || fail "the install after Velmora closed did not write the entry"
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
