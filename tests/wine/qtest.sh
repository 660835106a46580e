#!/bin/sh
# Runs a QtTest program under Wine, as CTest's emulator for the Windows build: qtest.sh <program>
# [arguments]. The program's exit status is the test's.
#
# A QtTest program on Windows writes its report to standard output only when that is a console,
# which it is not under CTest, so the report goes to a file. What the program writes itself goes
# to a file too: the first Wine program of a run starts Wine's server and desktop, which inherit
# its standard output and live on, and CTest would wait for them to close it.
set -u
program="$1"
shift
report="$(mktemp)"
output="$(mktemp)"
trap 'rm -f "$report" "$output"' EXIT
wine "$program" -o "Z:$report,txt" "$@" </dev/null >"$output" 2>&1
status=$?
cat "$output" "$report"
exit "$status"
