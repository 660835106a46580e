#!/usr/bin/env bash
# Builds the Debian package of both programs into build/package/ and prints its path. With
# --check it then checks the package as a user's system would meet it: lintian, the menu
# entries, the AppStream description, and Velmora started from the unpacked package; and it
# builds the package again from a fresh clone of the last commit, which must give the same
# file, byte for byte.
#
# The package is made by CPack from the CMake install rules (see packaging/CMakeLists.txt for
# why CPack rather than dpkg-buildpackage), built with Debian's own hardening flags.
#
# "package.sh windows" builds the Windows installer instead, Velmora-<version>-setup.exe, with
# the preset "windows" (packaging/windows), and prints its path. With --sign <certificate.pfx>
# (its password in the environment variable VELMORA_SIGN_PASSWORD) the programs, every DLL they
# load and the installer are signed with osslsigncode, and with --timestamp <address> time-stamped
# by that RFC 3161 server, so that the signatures outlast the certificate.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/package"

check=false
case "${1:-}" in
--check) check=true ;;
windows)
    shift
    certificate=
    timestamp=
    while (($#)); do
        case "$1" in
        --sign) certificate="${2:?--sign needs a certificate file (.pfx)}" ;;
        --timestamp) timestamp="${2:?--timestamp needs the address of a time-stamp server}" ;;
        *)
            echo "usage: $0 windows [--sign <certificate.pfx> [--timestamp <address>]]" >&2
            exit 2
            ;;
        esac
        shift 2
    done
    if [[ -n $certificate ]]; then
        [[ -f $certificate ]] || {
            echo "package.sh: the certificate $certificate does not exist" >&2
            exit 1
        }
        certificate="$(realpath "$certificate")"
    elif [[ -n $timestamp ]]; then
        echo "package.sh: --timestamp needs --sign" >&2
        exit 2
    fi
    # The preset "windows" takes both from the environment, so that a build without them is
    # unsigned again.
    export VELMORA_SIGN_CERTIFICATE="$certificate" VELMORA_SIGN_TIMESTAMP="$timestamp"
    "$root/scripts/setup.sh" windows
    setup=("$root"/build/windows/Velmora-*-setup.exe)
    [[ -f ${setup[0]} ]] || {
        echo "package.sh: the installer was not built: is NSIS (makensis) installed?" >&2
        exit 1
    }
    if [[ -z $certificate ]]; then
        echo "package.sh: the installer and what it installs are not signed (--sign <certificate.pfx> signs them)" >&2
    fi
    echo "${setup[0]}"
    exit 0
    ;;
"") ;;
*)
    echo "usage: $0 [--check | windows [--sign <certificate.pfx> [--timestamp <address>]]]" >&2
    exit 2
    ;;
esac

"$root/scripts/setup.sh" --packages-only

# Every file time in the package is the last commit's, so that the same commit gives the same
# package wherever it is built (the programs' resources hold no times at all); the compiler
# writes the source folder's path as ".".
if epoch="$(git -C "$root" log -1 --format=%ct 2>/dev/null)"; then
    export SOURCE_DATE_EPOCH="$epoch"
fi
cd "$root"
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

    echo "the same package from a fresh clone"
    if [[ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]]; then
        echo "package check failed: the checkout has changes not committed; a clone would not hold them" >&2
        exit 1
    fi
    clone="$(mktemp -d)"
    trap 'rm -rf "$clone"' EXIT
    git clone --quiet --no-hardlinks --no-checkout "$root" "$clone/velmora"
    git -C "$clone/velmora" checkout --quiet --detach "$(git -C "$root" rev-parse HEAD)"
    again="$("$clone/velmora/scripts/package.sh" | tail -n 1)"
    cmp "$deb" "$again" || {
        echo "package check failed: two builds of one commit differ (diffoscope shows where)" >&2
        exit 1
    }
    echo "package check passed: the package is reproducible"
fi
