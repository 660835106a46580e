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

# fail <why> [what the system said]: the report window tells the user why, in the user's
# language (sweepwright-report knows the words for each "why"), and this script then ends with
# the status by which the wizard knows it need not tell the user again.
fail() {
    printf 'Sweepwright.cmd: Velmora has not been removed (%s)\n' "$1" >&2
    if "$here/sweepwright-report" "$@"; then
        exit "$reported_itself"
    fi
    exit 1
}

if [ ! -x /usr/bin/pkexec ]; then
    fail no-pkexec
fi

# pkexec serves only a caller that is still alive: the wizard leaves soon, so this shell stays
# to wait for it rather than handing its place over with exec. What pkexec and dpkg say on
# standard error is kept for the report; dpkg's progress is of no use to anybody here.
said=$(/usr/bin/pkexec /usr/bin/dpkg --purge velmora 2>&1 >/dev/null)
status=$?
[ -z "$said" ] || printf '%s\n' "$said" >&2

case $status in
0) exit 0 ;;
126) fail cancelled ;;
127) fail refused "$said" ;;
*) fail failed "$said" ;;
esac
