#!/usr/bin/env bash
# Both programs as a user runs them on Windows, under Wine: installed as the install lays them
# down, into a folder whose path holds blanks and cmd.exe's special characters, started from there
# with the real windows platform plugin on the X server in DISPLAY, and driven from the keyboard.
#
#   realrun.sh sweepwright <build folder> <scratch folder>
#       Next, then YES: Sweepwright.cmd beside the program runs through cmd.exe, and the wizard ends.
#   realrun.sh sysinfo <build folder> <scratch folder>
#       With the registry naming Wine's own msinfo32.exe, About, then "System Info..." starts it.
#   realrun.sh reinstall <build folder> <scratch folder>
#       The installer again over an install in a folder of the user's choice: to that folder and
#       no other; over a running Velmora, silently, it fails and changes nothing, and
#       interactively it asks for Velmora to be closed and then installs.
#   realrun.sh german <build folder> <scratch folder>
#       A German user: the installer's pages in German, installed from them; Velmora's Help
#       window titled "Hilfe"; removed through Sweepwright, the script's console titled and the
#       report of the user's file kept in German.
#
# The installer's round and the removal's are removalrun.sh's. WINEPREFIX and the rest of the
# tests' Wine environment come from CTest. Wine takes the user's language from LANG: each run
# but the German one is an English user's, whatever the caller's.
set -euo pipefail

mode="$1"
build="$2"
scratch="$3"
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

folder="$scratch/odd & (x) ^ !"
rm -rf "$scratch"
mkdir -p "$scratch"
export LC_ALL=C.UTF-8
[[ $mode == reinstall || $mode == german ]] || cmake --install "$build" --prefix "$folder" >/dev/null
windows_folder="$(winepath -w "$folder" 2>/dev/null)"

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
    rm "$installed/remove-velmora.exe"
    code="$(run_setup /S)"
    [[ $code == 0 ]] || fail "installing again failed ($code)"
    [[ -f $installed/remove-velmora.exe ]] || fail "installing again did not go to $chosen"
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
    # The entry's version is the whole one, as the installer's name has it.
    version="${setup##*/Velmora-}"
    [[ $(entry_value DisplayVersion) == "${version%-setup.exe}" ]] \
        || fail "the install after Velmora closed did not write the entry's version"
    wine "$chosen\\Velmora.exe" </dev/null >>"$scratch/wine.log" 2>&1 &
    program_pid=$!
    window_titled Velmora >/dev/null || fail "Velmora did not start after the reinstall"
    wine taskkill /im Velmora.exe >/dev/null 2>&1 || true
    echo "Installed again into $chosen alone; over a running Velmora refused silently, and after it closed, installed."
    ;;
german)
    # Only for a locale the C library knows, compiled here.
    "$(dirname "${BASH_SOURCE[0]}")/locales.sh" "$scratch/locales" de_DE || fail "no German locale"
    export LOCPATH="$scratch/locales" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
    setup="$(ls "$build"/Velmora-*-setup.exe)" || fail "the installer has not been built"
    cp "$setup" "$scratch/setup.exe"
    key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
    wine reg query "$key" >/dev/null 2>&1 && fail "Velmora is installed already"
    local_programs="$(known_folder LOCALAPPDATA)\\Programs"
    installed="$(winepath -u "$local_programs\\Velmora" 2>/dev/null)"
    trap 'cleanup; rm -rf "$installed"; wine reg delete "$key" /f >/dev/null 2>&1 || true' EXIT

    # NSIS's pages in German, titled with our words and NSIS's: Installieren, then Beenden.
    wine "$(winepath -w "$scratch/setup.exe" 2>/dev/null)" </dev/null >>"$scratch/wine.log" 2>&1 &
    setup_pid=$!
    page="$(window_titled 'Installation von Velmora [0-9.]*: Zielverzeichnis')" \
        || fail "the installer's folder page did not show in German"
    keys_to "$page" Return
    window_titled 'Installation von Velmora [0-9.]*: Fertig' >/dev/null \
        || fail "the installer's last page did not show in German"
    keys_to "$page" Return
    wait "$setup_pid" || fail "the German install failed"
    [[ -f $installed/Velmora.exe ]] || fail "the German install laid nothing down in $installed"

    # Velmora's menu in German: "&Hilfe", then its item "&Hilfe".
    wine "$(winepath -w "$installed/Velmora.exe" 2>/dev/null)" </dev/null >>"$scratch/wine.log" 2>&1 &
    program_pid=$!
    main="$(window_titled Velmora)" || fail "Velmora's window did not show"
    keys_to "$main" alt+h h
    window_titled Hilfe >/dev/null || fail "no Help window titled \"Hilfe\""
    wine taskkill /im Velmora.exe >/dev/null 2>&1 || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=

    # Removed through Sweepwright with a file of the user's in the folder: the removal, free of
    # Qt, titles the script's console in German, and says in German that it kept the file, in
    # its window and in its list.
    printf 'meins\r\n' >"$installed/Notizen.txt"
    confirm_removal "$(winepath -w "$installed/Sweepwright.exe" 2>/dev/null)"
    report="$(window_titled "$title" "$second")" || fail "the removal did not report the user's file"
    window_titled "Velmora wird entfernt" >/dev/null || fail "the script's console is not titled in German"
    keys_to "$report" Return
    process 'remove-velmora' ended || fail "the removal did not end"
    program_pid=
    listed="$(tr -d '\r' <"$installed/Velmora removal report.txt")" || fail "the removal wrote no list"
    grep -qF "wurden nicht mit Velmora installiert" <<<"$listed" || fail "the list is not in German: $listed"
    grep -qxF "    Notizen.txt" <<<"$listed" || fail "the list does not name the user's file: $listed"
    wine reg query "$key" >/dev/null 2>&1 && fail "the German removal left the entry"
    echo "A German user: the installer's pages, Velmora's Help window and the removal's report in German."
    ;;
*)
    fail "unknown run: $mode"
    ;;
esac
