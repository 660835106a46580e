#!/usr/bin/env bash
# Builds one preset (default: "default") and runs every test in it, without a display.
set -euo pipefail

preset="${1:-default}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/setup.sh" "$preset"
cd "$root"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset"
