#!/bin/sh
# Sweepwright starts this script when the user confirms the removal. The maker's software on
# this system is the one package "velmora", so the script removes that package and nothing
# else, after an administrator has allowed it. The wizard promises that no trace is left, so the
# package goes with its system-wide registry file (a conffile, which a plain removal keeps).
set -eu
exec pkexec /usr/bin/dpkg --purge velmora
