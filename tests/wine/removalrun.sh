#!/usr/bin/env bash
# Velmora installed by its installer and removed as Windows users remove it, under Wine, with
# the real windows platform plugin on the X server in DISPLAY, driven from the keyboard.
#
#   removalrun.sh installer <build folder> <scratch folder> <fileholder.exe>
#       A folder whose own name holds "%" refused; then silently, into a folder below one named
#       "50%OS% off", in letters of no Western code page and with cmd.exe's special characters,
#       with the Start menu moved elsewhere, files of the user's own saved in it; removed as Apps
#       & features starts it, with no bare-named program to be found, while a second wizard is
#       open: the removal waits for it, names the user's files, and leaves only them. Again, with
#       Velmora running: nothing is removed; once it is closed, all is. Each time the script's
#       console is ended halfway.
#   removalrun.sh faults <build folder> <scratch folder> <fileholder.exe>
#       A library held a moment (12 s), as a scanner holds it, then for good: the removal waits
#       for the first, and for the second removes nothing and says so; so does a library loaded
#       by a program from elsewhere, and a copy of the removal run from elsewhere. An entry that
#       cannot be deleted: everything else goes, and the entry and what it starts stay, which
#       then end the removal.
#   removalrun.sh cut <build folder> <scratch folder> <fileholder.exe>
#       Every process of the removal killed at once, at moments after YES: what is left is removed
#       by the entry in Apps & features, by the next log-on, or nothing is left.
#
# WINEPREFIX and the rest of the tests' Wine environment come from CTest.
set -euo pipefail

mode="$1"
build="$2"
scratch="$3"
holder="$4"
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

rm -rf "$scratch"
mkdir -p "$scratch"
setup="$(ls "$build"/Velmora-*-setup.exe)" || fail "the installer has not been built"
version="${setup##*/Velmora-}"
version="${version%-setup.exe}"
cp "$setup" "$scratch/setup.exe"
# Wine reads the names it is given, and names files, in UTF-8, while its consoles keep a
# Western code page (437), which has neither Greek nor Japanese letters: as on a Western
# Windows whose user has such a name.
export LC_ALL=C.UTF-8
programs="$(known_folder LOCALAPPDATA)\\Programs"
temp="$(winepath -u "$(known_folder TEMP)" 2>/dev/null)"
[[ -n $temp && -d $temp ]] || fail "the prefix names no folder for temporary files"
windows_scratch="$(winepath -w "$scratch" 2>/dev/null)"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce'
menu="$(winepath -u "$(known_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora" 2>/dev/null)"
ours=(Velmora.exe Sweepwright.exe Sweepwright.cmd remove-velmora.exe Qt6Core.dll platforms/qwindows.dll)
# The console's cmd.exe runs the script as the wizard started it; the removal's other processes
# name its program, up to the last step.
console='cmd\.exe .*Sweepwright\.cmd *$'
removal='Sweepwright\.cmd|remove-velmora'

# A bare program name is looked for in the working folder, then on PATH: a removal that used
# one would run these, from the folder they are planted in.
plant() {
    local program
    mkdir -p "$1"
    for program in ping reg cmd chcp rd; do
        printf '@echo %s.bat ran>>"%s\\planted.txt"\r\n' "$program" "$windows_scratch" >"$1/$program.bat"
    done
}
temp_before="$(ls -A "$temp")"
planted="$scratch/on PATH"
plant "$planted"
plant "$temp"
# Where the removal's last step stands: the folder the install folder lies in.
plant "$(winepath -u "$programs" 2>/dev/null)"
unplant() { rm -f "$temp"/{ping,reg,cmd,chcp,rd}.bat "$(winepath -u "$programs" 2>/dev/null)"/{ping,reg,cmd,chcp,rd}.bat; }
holder_pid=
trap 'unplant; [[ -n $holder_pid ]] && kill "$holder_pid"; cleanup' EXIT

# A string value of a key, read from an export in UTF-16: reg's own output is in the console's
# code page, which has no Greek or Japanese letters.
string_value() {
    rm -f "$scratch/key.reg"
    wine reg export "$1" "$windows_scratch\\key.reg" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$scratch/key.reg" | tr -d '\r' |
        sed -n "s/^\"$2\"=\"\\(.*\\)\"\$/\\1/p" | sed 's/\\\(.\)/\1/g'
}
entry_value() { string_value "$key" "$1"; }
# The command Windows runs at the next log-on, if any.
resume_command() { string_value "$run_key" 'Velmora removal'; }

# Silently, into the folder of the user's programs given. NSIS takes the folder last and
# unquoted: each word goes as an argument of its own, which Wine passes on as it stands.
install() {
    local words
    read -ra words <<<"/D=$programs\\$1"
    # A removal cut short elsewhere would resume at the next log-on, and remove this install.
    wine reg add "$run_key" /v 'Velmora removal' /d '"C:\\Old\\remove-velmora.exe" remove' /f >/dev/null 2>&1
    wine "$scratch/setup.exe" /S "${words[@]}" </dev/null >>"$scratch/wine.log" 2>&1 \
        || fail "the silent install into \"$1\" failed"
    installed="$(winepath -u "$programs\\$1" 2>/dev/null)"
    windows_installed="$programs\\$1"
    still_installed "the installer"
    for value in DisplayName Publisher DisplayIcon EstimatedSize; do
        grep -q "^ *$value " <<<"$entry" || fail "the Uninstall key lacks $value"
    done
    [[ $(entry_value DisplayVersion) == "$version" ]] || fail "the entry's version is not $version"
    [[ -z $(resume_command) ]] || fail "the installer left a removal to resume at the next log-on"
    [[ $(entry_value UninstallString) == "\"$windows_installed\\Sweepwright.exe\"" ]] \
        || fail "the entry's UninstallString is $(entry_value UninstallString)"
}
still_installed() {
    for file in "${ours[@]}"; do
        [[ -f $installed/$file ]] || fail "$1 left no $file in $installed"
    done
    [[ -f $menu/Velmora.lnk && -f $menu/Sweepwright.lnk ]] || fail "$1 left no Start-menu shortcuts"
    entry="$(wine reg query "$key" 2>/dev/null | tr -d '\r')" || fail "$1 left no entry in Apps & features"
}
nothing_left() {
    [[ ! -e $installed ]] || fail "$1 left behind: $(cd "$installed" && find . | sort | tr '\n' ' ')"
    [[ ! -e $menu ]] || fail "$1 left the Start-menu folder"
    wine reg query "$key" >/dev/null 2>&1 && fail "$1 left the Uninstall key"
    [[ -z $(resume_command) ]] || fail "$1 left a command for the next log-on: $(resume_command)"
}

# Apps & features starts the entry's command line as it stands, through no command interpreter:
# here with a folder of planted programs on PATH. The wizard's pages are confirmed;
# remove-velmora.exe runs alone.
remove_from_entry() {
    local command program words
    if [[ ${1:-} != --wizard-open ]]; then
        process 'Sweepwright\.exe' ended || fail "the wizard of the removal before did not end"
    fi
    command="$(entry_value UninstallString)"
    program="$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$command")"
    [[ -n $program ]] || fail "Apps & features has no entry to remove Velmora with: \"$command\""
    read -ra words <<<"${command#"\"$program\""}"
    export WINEPATH
    WINEPATH="$(winepath -w "$planted" 2>/dev/null)"
    if [[ $program == *Sweepwright.exe ]]; then
        confirm_removal "$program" "${words[@]}"
    else
        wine "$program" "${words[@]}" </dev/null >>"$scratch/wine.log" 2>&1 &
        program_pid=$!
    fi
    unset WINEPATH
}
# A log-on, as Explorer carries out the user's RunOnce key (Wine's wineboot runs only the Run
# key): the value is deleted, then its command run, if its program is there. Waits until the
# removal it resumes has left nothing, two minutes at most.
log_on() {
    local command program words
    command="$(resume_command)"
    program="$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$command")"
    read -ra words <<<"${command#"\"$program\""}"
    wine reg delete "$run_key" /v 'Velmora removal' /f >/dev/null 2>&1
    if [[ -f $(winepath -u "$program" 2>/dev/null) ]]; then
        wine "$program" "${words[@]}" </dev/null >>"$scratch/wine.log" 2>&1 &
        for _ in $(seq 120); do
            [[ ! -e $installed && -z $(resume_command) ]] && break
            sleep 1
        done
    fi
    removal_ended "resumed at log-on"
}
# Ends the script's console as closing its window does.
close_console() {
    local pid
    pid="$(process "$console")" || fail "the script's console did not start ($1)"
    kill -KILL "$pid"
}
removal_ended() {
    program_pid=
    process "$removal" ended || fail "the removal did not end ($1): $(for pid in $(processes "$removal"); do
        tr '\0' ' ' <"/proc/$pid/cmdline"
        echo
    done)"
}

case "$mode" in
installer)
    # The folder's own name with "%": refused, before anything is written.
    code=0
    wine "$scratch/setup.exe" /S "/D=$programs\\100%OS%" </dev/null >>"$scratch/wine.log" 2>&1 || code=$?
    [[ $code == $((267 % 256)) ]] || fail "a folder named \"100%OS%\" was not refused ($code)"
    [[ ! -e $(winepath -u "$programs\\100%OS%" 2>/dev/null) ]] || fail "the refused folder was made"
    wine reg query "$key" >/dev/null 2>&1 && fail "the refused install wrote its entry"

    # The Start menu where a policy put it: the shortcuts go there, and are removed there, even
    # once the policy has put the menu back.
    folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
    move_menu() { wine reg add "$folders" /v Programs /t REG_EXPAND_SZ /d "$1" /f >/dev/null 2>&1; }
    move_menu '%USERPROFILE%\Moved Menu'
    menu_back() { move_menu '%USERPROFILE%\AppData\Roaming\Microsoft\Windows\Start Menu\Programs'; }
    trap 'menu_back; unplant; cleanup' EXIT
    default_menu="$menu"
    menu="$(winepath -u "$(known_folder USERPROFILE)\\Moved Menu\\Velmora" 2>/dev/null)"

    # 1. Below a folder whose name holds "%OS%", which cmd.exe would expand, where the last step
    # stands and planted programs wait; the folder's own name in letters of no Western code page
    # and with cmd.exe's special characters; files of the user's own in it. A second wizard is
    # open when the script starts: the removal waits for it to close.
    parent="$(winepath -u "$programs\\50%OS% off" 2>/dev/null)"
    plant "$parent"
    install '50%OS% off\Ωμέγα 日本 odd & (x) ^ !'
    [[ ! -e $default_menu ]] || fail "the shortcuts were made where the Start menu is not"
    [[ $(entry_value StartMenuFolder) == "$(winepath -w "$menu")" ]] || fail "the entry does not name the Start menu's folder"
    menu_back
    printf 'mine\r\n' >"$installed/my notes.txt"
    mkdir "$installed/photos"
    for number in $(seq 100); do
        : >"$installed/photos/photo $number.jpg"
    done
    wine "$windows_installed\\Sweepwright.exe" </dev/null >>"$scratch/wine.log" 2>&1 &
    other_wizard="$(window_titled "$title")" || fail "the second wizard did not show"
    open_windows=("$other_wizard")
    remove_from_entry --wizard-open
    open_windows=()
    process 'remove-velmora\.exe' >/dev/null || fail "the script did not start remove-velmora.exe"
    close_console "the removal waiting"
    sleep 3
    still_installed "a removal waiting for the second wizard"
    wine taskkill /im Sweepwright.exe >/dev/null 2>&1 || true
    process 'Sweepwright\.exe' ended || fail "the second wizard did not close"
    report="$(window_titled "$title" "$second" "$other_wizard")" || fail "the user's own files were not reported"
    eval "$(xdotool getwindowgeometry --shell "$report")"
    read -r _ screen_height < <(xdotool getdisplaygeometry)
    ((Y >= 0 && Y + HEIGHT <= screen_height)) || fail "the report, ${HEIGHT} pixels high at $Y, does not fit the screen"
    keys_to "$report" Return
    removal_ended "the user's files kept"
    listed="$(iconv -f UTF-8 -t UTF-8 "$installed/Velmora removal report.txt" | tr -d '\r')" \
        || fail "the report's list is not in the folder"
    grep -qF "$(winepath -w "$installed" 2>/dev/null)" <<<"$listed" || fail "the list does not name the folder as it is"
    for file in 'my notes.txt' 'photos\photo 1.jpg' 'photos\photo 100.jpg'; do
        grep -qxF "    $file" <<<"$listed" || fail "the list does not name the user's $file"
    done
    [[ $(grep -c '^    ' <<<"$listed") == 101 ]] || fail "the list names more than the user's files: $listed"
    left="$(cd "$installed" && find . -mindepth 1 -maxdepth 1 | sort | tr '\n' ' ')"
    [[ $left == "./Velmora removal report.txt ./my notes.txt ./photos " ]] || fail "the removal left behind: $left"
    rm -rf "$installed"
    nothing_left "the removal"
    menu="$default_menu"

    # 2. Velmora started from its shortcut and left running: nothing is removed, the window says
    # so, and the console is closed meanwhile. Once Velmora is closed, the console is closed the
    # moment it starts: Velmora is gone or still removed by its entry. Nothing is left in the end.
    install 'odd & (x) ^ !'
    wine start /unix "$menu/Velmora.lnk" </dev/null >>"$scratch/wine.log" 2>&1
    window_titled Velmora >/dev/null || fail "Velmora did not start from its shortcut"
    remove_from_entry
    busy="$(window_titled "$title" "$second")" || fail "nothing said that Velmora is running"
    close_console "Velmora running"
    keys_to "$busy" Return
    removal_ended "Velmora running"
    still_installed "a removal while Velmora ran"
    # Closed as Windows closes it when its user logs off: taskkill asks its window to close.
    wine taskkill /im Velmora.exe >/dev/null 2>&1 || true
    process 'Velmora\.exe' ended || fail "Velmora did not close"
    remove_from_entry
    close_console "at once"
    removal_ended "the console closed at once"
    if [[ -e $installed ]]; then
        still_installed "a removal stopped at once"
        remove_from_entry
        removal_ended "run again"
    fi
    nothing_left "the removal"
    echo "Installed twice and removed through Sweepwright, from folders below \"50%OS% off\", named outside the" \
        "console's code page and with cmd.exe's special characters, the console closed halfway: only the user's files are left."
    ;;
faults)
    # 1. A library held a moment, then the removal as usual; 2. held for good: nothing removed.
    install 'odd & (x) ^ !'
    windows_library="$windows_installed\\Qt6Widgets.dll"
    wine "$holder" "$windows_library" 12 >"$scratch/holder.log" 2>&1 &
    holder_pid=$!
    process fileholder || fail "the file holder did not start"
    remove_from_entry
    removal_ended "a library held a moment"
    holder_pid=
    nothing_left "a removal with a library held a moment"
    install 'odd & (x) ^ !'
    # removes_nothing_while <what> <holder's arguments...>: a removal while the holder holds a
    # file of the install says so, and the entry and the next log-on are as they were.
    removes_nothing_while() {
        local what="$1" said
        shift
        wine "$holder" "$@" >"$scratch/holder.log" 2>&1 &
        holder_pid=$!
        process fileholder || fail "the file holder did not start"
        sleep 2
        remove_from_entry
        said="$(window_titled "$title" "$second")" || fail "nothing said that $what"
        still_installed "a removal while $what"
        [[ $(entry_value UninstallString) == "\"$windows_installed\\Sweepwright.exe\"" && -z $(resume_command) ]] \
            || fail "a removal that removed nothing while $what changed the entry or left a command for the next log-on"
        keys_to "$said" Return
        removal_ended "$what"
        kill "$holder_pid"
        holder_pid=
    }
    removes_nothing_while "a library is held" "$windows_library" 600
    # A library a program from elsewhere has loaded cannot be deleted, which only the deletion
    # finds.
    removes_nothing_while "a library is loaded" "$windows_installed\\libwinpthread-1.dll" 600 load
    # A copy of the removal elsewhere removes nothing of this install.
    cp "$installed/remove-velmora.exe" "$scratch/"
    wine "$windows_scratch\\remove-velmora.exe" remove </dev/null >>"$scratch/wine.log" 2>&1 &
    program_pid=$!
    copy="$(window_titled "$title")" || fail "the copy of the removal said nothing"
    keys_to "$copy" Return
    removal_ended "a copy elsewhere"
    still_installed "a copy of the removal elsewhere"

    # 3. An entry that cannot be deleted, for a key of someone else's below it: the rest goes,
    # and the entry names what removes Velmora, which stays, as does the command for the next
    # log-on; that log-on ends the removal.
    wine reg add "$key\\Theirs" /v kept /d 1 /f >/dev/null 2>&1
    remove_from_entry
    stranded="$(window_titled "$title" "$second")" || fail "nothing said that the entry was left"
    keys_to "$stranded" Return
    removal_ended "the entry left"
    remover="\"$windows_installed\\remove-velmora.exe\" remove"
    [[ $(entry_value UninstallString) == "$remover" ]] || fail "the entry left starts $(entry_value UninstallString)"
    [[ $(resume_command) == "$remover" ]] || fail "the next log-on runs \"$(resume_command)\""
    left="$(cd "$installed" && find . -mindepth 1 | sort | tr '\n' ' ')"
    [[ $left == "./Sweepwright.cmd ./Velmora removal report.txt ./remove-velmora.exe " ]] \
        || fail "the removal left: $left"
    [[ ! -e $menu ]] || fail "the Start-menu folder is still there"
    wine reg delete "$key\\Theirs" /f >/dev/null 2>&1
    remove_from_entry
    removal_ended "run again from the entry"
    nothing_left "the removal run again from the entry"
    echo "A library held a moment waited for; held for good or loaded, nothing removed; an entry left, and run again from it."
    ;;
cut)
    # Killed as a power cut or a forced log-off ends them; then what is left is removed as it
    # offers itself, and nothing may be left that nothing removes.
    for moment in 0 0.2 0.4 0.6 0.8 1 1.5; do
        install 'odd & (x) ^ !'
        remove_from_entry
        sleep "$moment"
        # Again for a second: a process started the instant before is killed too.
        for _ in 1 2 3 4 5; do
            for pid in $(processes 'Sweepwright|remove-velmora'); do kill -KILL "$pid" 2>/dev/null || true; done
            sleep 0.2
        done
        removal_ended "killed $moment s after YES"
        how="nothing was left"
        if wine reg query "$key" >/dev/null 2>&1; then
            program="$(entry_value UninstallString | sed 's/^"\([^"]*\)".*/\1/')"
            [[ -f $(winepath -u "$program" 2>/dev/null) ]] || fail "killed $moment s after YES, the entry starts $program, which is gone"
            how="the entry removed the rest"
            remove_from_entry
            removal_ended "the entry after $moment s"
        elif [[ -n $(resume_command) ]]; then
            how="the log-on removed the rest"
            log_on
        fi
        nothing_left "a removal killed $moment s after YES, then $how,"
        echo "Killed $moment s after YES: $how."
    done
    ;;
*)
    fail "unknown run: $mode"
    ;;
esac
[[ ! -e $scratch/planted.txt ]] || fail "the removal ran programs planted where it looks: $(cat "$scratch/planted.txt")"
unplant
[[ $(ls -A "$temp") == "$temp_before" ]] || fail "the removal left files in $temp"
