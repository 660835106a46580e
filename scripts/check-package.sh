#!/usr/bin/env bash
# Checks a built Debian package (scripts/package.sh --check runs this): lintian, pedantic, finds
# nothing that an override does not justify (its experimental tags are shown, not counted), the
# menu entries are valid, the AppStream description is valid without even a pedantic remark and
# names the menu entry it describes, Sweepwright's removal script sits beside it and, refused,
# says so in a window, and Velmora, unpacked into a scratch folder, starts and shows its window.
set -euo pipefail

deb="$1"
for tool in lintian desktop-file-validate appstreamcli dpkg-deb Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/setup.sh)" >&2; exit 1; }
done

fail() {
    echo "package check failed: $*" >&2
    exit 1
}

echo "lintian"
lintian --pedantic --display-info --display-experimental --fail-on error,warning,info,pedantic \
    "$deb" 2> >(grep -v 'running with root privileges' >&2) ||
    fail "lintian reports what no override justifies"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"

echo "menu entries"
for entry in com.example.velmora com.example.sweepwright; do
    desktop-file-validate "$scratch/usr/share/applications/$entry.desktop" ||
        fail "$entry.desktop is not valid"
done
grep -qx 'Exec=/usr/lib/velmora/Sweepwright' \
    "$scratch/usr/share/applications/com.example.sweepwright.desktop" ||
    fail "Sweepwright's menu entry does not start it by its full path"

echo "AppStream"
# The whole tree, so that the description's ID must name an installed menu entry.
report="$(appstreamcli validate-tree --pedantic --no-net "$scratch")" ||
    fail "the AppStream description is not valid: $report"
if grep -q '^ *[EWIP]: ' <<<"$report"; then
    fail "AppStream remarks on the description: $report"
fi

echo "Sweepwright and its script"
private="$scratch/usr/lib/velmora"
[[ -x "$private/Sweepwright" && ! -L "$private/Sweepwright" ]] || fail "no Sweepwright in $private"
[[ -x "$private/Sweepwright.cmd" ]] || fail "no executable Sweepwright.cmd beside Sweepwright"
"$(dirname "${BASH_SOURCE[0]}")/check-removal.sh" "$scratch"

echo "Velmora starts from the unpacked package"
server_dir="$(mktemp -d)"
x_server=
trap 'if [[ -n $x_server ]]; then kill "$x_server" 2>/dev/null || true; fi; rm -rf "$scratch" "$server_dir"' EXIT
# shellcheck source=scripts/xserver.sh
. "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
start_x_server "$server_dir" || fail "no X server to start Velmora on"
bash -c '
    "$1/usr/bin/Velmora" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    timeout 60 xdotool search --sync --onlyvisible --name "^Velmora$" >/dev/null
    kill -0 "$pid"
' _ "$scratch" || fail "Velmora did not show its window"
echo "package check passed: $deb"
