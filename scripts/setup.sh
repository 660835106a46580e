#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the headless run and the Debian package
# need (only those missing), then configures and builds one CMake preset (default: "default");
# with --packages-only it stops after installing. The preset "windows" first builds Qt for
# Windows once (25 to 40 minutes; scripts/windows-qt.sh).
set -euo pipefail

preset="${1:-default}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-wine fonts-dejavu-core
    xvfb xauth xdotool imagemagick
    clang-14 libclang-rt-14-dev
    dpkg-dev file lintian desktop-file-utils appstream
)
if [[ $preset == windows ]]; then
    # Both programs and the tests for Windows: Qt for Windows is built from Debian's qtbase
    # source with MinGW-w64 (scripts/windows-qt.sh), with the host's Qt tools of the same version;
    # the tests run under Wine on a private X server.
    packages=(
        cmake ninja-build dpkg-dev
        qt6-base-dev qt6-base-dev-tools libgl-dev
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 xvfb xauth xdotool
    )
elif [[ $preset == windows-tests ]]; then
    # The Windows-only code, cross-built and run under Wine, and the icons' reader: no Qt.
    packages=(
        cmake ninja-build
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 icoutils
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ "$preset" == --packages-only ]]; then
    exit 0
fi

cd "$root"
if [[ $preset == windows ]]; then
    VELMORA_WINDOWS_QT="$("$root/scripts/windows-qt.sh" | tail -n 1)"
    export VELMORA_WINDOWS_QT
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
