#!/usr/bin/env bash
# Builds one preset (default: "default") and runs every test in it, without a display.
set -euo pipefail

preset="${1:-default}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/setup.sh" "$preset"
cd "$root"
if [[ $preset == windows ]]; then
    # Under Wine, on an X server of their own for the tests that show real windows; one that
    # does not reset whenever its last client leaves, turning away the next (see xserver.sh).
    exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" ctest --preset "$preset"
fi
QT_QPA_PLATFORM=offscreen ctest --preset "$preset"
