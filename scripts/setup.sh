#!/usr/bin/env bash
# Installs the Debian packages a CMake preset needs (only those missing), then configures and
# builds it (default: "default"). "setup.sh <preset> --packages-only" installs the packages and
# stops; "setup.sh --packages-only" installs what every preset but windows-tests and windows
# needs. The preset "windows" first builds Qt for Windows once (scripts/windows-qt.sh; about 15
# minutes on two cores).
set -euo pipefail

preset="${1:-default}"
packages_only=false
if [[ $preset == --packages-only || ${2:-} == --packages-only ]]; then
    packages_only=true
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The compiler, CMake and Qt, with Qt's tools for the catalogues of other languages and Qt's own
# catalogues; the fonts the windows are laid out for (fonts-wine) and a common
# one for the tests that do without them; an X server without a screen, and the tools that
# drive and photograph it, for a run without a display.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-translations-l10n
    fonts-wine fonts-dejavu-core
    xvfb xauth xdotool imagemagick
)
if [[ $preset != programs ]]; then
    # Clang's fuzzer and sanitizers, and the tools that build and check the Debian package.
    packages+=(
        clang-14 libclang-rt-14-dev
        dpkg-dev file lintian desktop-file-utils appstream pkexec
    )
fi
if [[ $preset == windows ]]; then
    # Both programs and the tests for Windows: Qt for Windows is built from Debian's qtbase
    # source with MinGW-w64 (scripts/windows-qt.sh), with the host's Qt tools of the same version;
    # the tests run under Wine on a private X server; NSIS makes the installer, osslsigncode
    # signs it (the test of that makes its certificate with openssl, and unpacks the installer
    # with 7-Zip), icoutils reads the icons back, and the sources of locales let a run give
    # Wine a user's language other than English.
    packages=(
        cmake ninja-build dpkg-dev
        qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-translations-l10n
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 clang-14
        wine wine64 xvfb xauth xdotool imagemagick nsis osslsigncode openssl 7zip icoutils locales
    )
elif [[ $preset == windows-tests ]]; then
    # The Windows-only code, cross-built and run under Wine, the icons' reader, and the sources
    # of locales for the removal's words in other languages: no Qt.
    packages=(
        cmake ninja-build
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 icoutils locales
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        if ! command -v sudo >/dev/null; then
            # A Debian installed with a root password has no sudo: the administrator installs.
            echo "setup.sh: these packages are missing, and sudo is not installed to install them:" >&2
            echo "  su -c 'apt-get update && apt-get install --no-install-recommends ${missing[*]}'" >&2
            echo "setup.sh: run that as shown (it asks for the root password), then run this again." >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if $packages_only; then
    exit 0
fi

cd "$root"
if [[ $preset == windows ]]; then
    VELMORA_WINDOWS_QT="$("$root/scripts/windows-qt.sh" | tail -n 1)"
    export VELMORA_WINDOWS_QT
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
