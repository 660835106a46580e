#!/bin/sh
# Sweepwright starts this script when the user confirms the removal. The maker's software on
# this system is the one package "velmora", so the script removes that package and nothing
# else, after an administrator has allowed it. The wizard promises that no trace is left, so the
# package goes with its system-wide registry file (a conffile, which a plain removal keeps).
#
# The wizard has closed by the time anything here can fail, and nobody reads a menu entry's
# standard error, so every failure is shown in a window (sweepwright-report, beside this
# script) as well as written to standard error.
#
# Sweepwright watches this script for two seconds after its start, and shows a window of its
# own when the script fails within them. A failure shown here already ends with the status
# below, which tells Sweepwright to show no second window for it; any other failure status,
# this shell's own included (2, 126, 127), is Sweepwright's to report.
set -u

here=${0%/*}
reported_itself=3
manual='To remove Velmora yourself, open a terminal and enter:

    sudo apt purge velmora'

# Shows why Velmora has not been removed, and ends the script.
fail() {
    printf 'Sweepwright.cmd: %s\n' "$1" >&2
    if "$here/sweepwright-report" "$1" 2>/dev/null; then
        exit "$reported_itself"
    fi
    exit 1
}

if [ ! -x /usr/bin/pkexec ]; then
    fail "Velmora has not been removed: removing it needs an administrator's consent, and \
pkexec, which asks for it, is not installed.

$manual"
fi

# pkexec serves only a caller that is still alive: the wizard leaves soon, so this shell stays
# to wait for it rather than handing its place over with exec. What pkexec and dpkg say on
# standard error is kept for the report; dpkg's progress is of no use to anybody here.
said=$(/usr/bin/pkexec /usr/bin/dpkg --purge velmora 2>&1 >/dev/null)
status=$?
[ -z "$said" ] || printf '%s\n' "$said" >&2
[ -z "$said" ] || said="

The system said:
$said"

case $status in
0)
    exit 0
    ;;
126)
    fail "Velmora has not been removed: the request for an administrator's password was \
cancelled. Start Sweepwright again to remove it.

$manual"
    ;;
127)
    fail "Velmora has not been removed: the removal was not authorised. Either no window to \
ask for an administrator's password could be shown (no authentication agent is running), or \
the password was not accepted.$said

$manual"
    ;;
*)
    fail "Velmora has not been removed: the package manager could not remove it. If another \
program is installing or removing software, wait until it has finished, then start Sweepwright \
again.$said

$manual"
    ;;
esac
