#!/usr/bin/env bash
# Builds the Debian package of both programs into build/package/ and prints its path. With
# --check it then checks the package as a user's system would meet it: lintian, the menu
# entries, the AppStream description, and Velmora started from the unpacked package.
#
# The package is made by CPack from the CMake install rules (see packaging/CMakeLists.txt for
# why CPack rather than dpkg-buildpackage), built with Debian's own hardening flags.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/package"

check=false
case "${1:-}" in
--check) check=true ;;
"") ;;
*)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac

"$root/scripts/setup.sh" --packages-only

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/velmora_*.deb)"
echo "$deb"

if $check; then
    "$root/scripts/check-package.sh" "$deb"
fi
