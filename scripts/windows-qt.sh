#!/usr/bin/env bash
# Builds Qt for Windows (qtbase only: Core, Gui, Widgets, Test, the windows and offscreen platform
# plugins and the Windows styles) for MinGW-w64, compiled by Clang (cmake/mingw-w64-clang.cmake
# says why), from Debian's own source of exactly the host Qt's version, so that the host's moc,
# uic and rcc fit the libraries they generate code for.
#
# The result goes to a cache folder outside the tree, ${XDG_CACHE_HOME:-~/.cache}/velmora/
# qt-<version>-mingw, and is reused while the host Qt's version, the patches and the
# configuration below stay the same. The build happens in a temporary folder beside it that is
# renamed only once everything is installed, so an interrupted build is never taken for a
# finished one. Prints the Qt folder's path on its last line.
#
# The source is fetched with apt-get through a private source list, lists and cache, built from
# the machine's own entries for Debian's archive; the machine's apt configuration is neither
# read for writing nor changed. The first build takes about 15 minutes on two cores.
set -euo pipefail

fail() {
    echo "windows-qt.sh: $*" >&2
    exit 1
}

package=qt6-base
host_tools=qt6-base-dev-tools
debian_version="$(dpkg-query -W -f='${Version}' "$host_tools" 2>/dev/null)" \
    || fail "the host's Qt tools ($host_tools) are not installed; run scripts/setup.sh first."
qt_version="${debian_version%%+*}"
qt_version="${qt_version#*:}"

cache="${VELMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora}"
prefix="$cache/qt-$qt_version-mingw"
stamp="$prefix/velmora-qt.stamp"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The host's Qt tools and CMake files, in the multiarch folder of the machine's own architecture.
command -v dpkg-architecture >/dev/null || fail "dpkg-architecture is missing; run scripts/setup.sh windows."
host_cmake_dir="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
[[ -d $host_cmake_dir/Qt6 ]] || fail "the host's Qt CMake files are not in $host_cmake_dir."

# Only what the programs and their tests use is built: Core, Gui, Widgets and Test, the windows
# and offscreen platform plugins (and the minimal one, which nothing switches off), the Windows
# styles. Every module, plugin and widget they do not use is left out, and so is its code inside
# the libraries. OpenGL is left out whole: the programs draw with the raster engine. Direct2D
# stays, for Gui's DirectWrite font database, but its platform plugin (direct2d1_1) does not.
# Tablet events need wintab, which Debian removed from the source. The Windows style plugin
# names the input dialog, the dock widget and the command link button, so those stay; the tests
# set the Fusion style, so that stays too. No form sets a style sheet.
features_off=(
    sql network dbus printsupport concurrent xml opengl_dynamic tabletevent vulkan
    jpeg gif ico pkg_config system_zlib direct2d1_1 itemmodeltester
    pdf movie sessionmanager desktopservices mimetype sharedmemory systemsemaphore
    textmarkdownreader textmarkdownwriter textodfwriter imageformat_ppm imageformat_xbm
    jalalicalendar islamiccivilcalendar hijricalendar transposeproxymodel
    concatenatetablesproxymodel
    calendarwidget colordialog columnview datawidgetmapper datetimeedit dial errormessage
    filedialog fontcombobox fontdialog fscompleter graphicsview graphicseffect keysequenceedit
    lcdnumber mdiarea progressdialog splashscreen syntaxhighlighter systemtrayicon textbrowser
    toolbox undoview undogroup undostack undocommand whatsthis wizard
    style_stylesheet filesystemmodel
)
configuration=(
    -DCMAKE_BUILD_TYPE=Release -DINPUT_opengl=no
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_optimize_size=ON
)
for feature in "${features_off[@]}"; do
    configuration+=("-DFEATURE_$feature=OFF")
done

# Changes to Debian's source: mends of Qt's own faults, and two that shorten its build. A cached
# Qt built without one of them, or with an older one, or configured or compiled otherwise, is
# built again.
patches=("$root"/scripts/qt-patches/*.patch)
toolchain="$root/cmake/mingw-w64-clang.cmake"
build_id="$debian_version $( (cat "${patches[@]}" "$toolchain" "$root/cmake/mingw-w64.cmake"; printf '%s\n' "${configuration[@]}") | sha256sum | cut -d' ' -f1)"

if [[ -f $stamp && $(<"$stamp") == "$build_id" ]]; then
    echo "Qt $qt_version for Windows is built already."
    echo "$prefix"
    exit 0
fi

for tool in clang++-14 x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres cmake ninja dpkg-source patch; do
    command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/setup.sh windows."
done

mkdir -p "$cache"
work="$(mktemp -d "$cache/qt-$qt_version-mingw.building.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# A deb-src entry for each suite and component the machine installs from Debian's archive, in
# apt's own files, checked with Debian's archive key; other archives are left out, since that key
# does not sign them.
apt_dir="$work/apt"
mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
# shellcheck disable=SC2016 # apt's own placeholders, not the shell's
apt-get indextargets --format '$(TARGET_OF) $(ORIGIN) $(REPO_URI) $(RELEASE) $(COMPONENT)' \
    | awk '$1 == "deb" && $2 == "Debian" { print "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] " $3 " " $4 " " $5 }' \
    | sort -u >"$apt_dir/sources.list"
[[ -s $apt_dir/sources.list ]] || fail "apt knows no Debian archive to fetch the source of $package from."
apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir/cache"
    -o "APT::Sandbox::User=root"
)

echo "==> Fetching the source of $package $debian_version"
# apt-get update succeeds even when no index could be fetched, so what it fetched is looked at.
apt-get "${apt_options[@]}" -q update >"$work/apt-update.log" 2>&1 || true
if ! compgen -G "$apt_dir/lists/*_Sources*" >/dev/null; then
    grep -E '^(E|W|Err):' "$work/apt-update.log" >&2 || cat "$work/apt-update.log" >&2
    fail "could not fetch the source index of the Debian archive (no network?) from:
$(cut -d' ' -f3- "$apt_dir/sources.list")"
fi
if ! (cd "$work" && apt-get "${apt_options[@]}" -q source "$package=$debian_version") >"$work/apt-source.log" 2>&1; then
    cat "$work/apt-source.log" >&2
    fail "could not fetch or unpack the source of $package $debian_version."
fi
source_dir="$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "$package-*" | head -n 1)"
[[ -n $source_dir && -f $source_dir/CMakeLists.txt ]] || fail "the source of $package did not unpack."
for qt_patch in "${patches[@]}"; do
    patch -d "$source_dir" -p1 --forward --quiet <"$qt_patch" \
        || fail "$(basename "$qt_patch") does not apply to Qt $debian_version."
done

install_dir="$work/install"
echo "==> Configuring Qt $qt_version for MinGW-w64"
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$install_dir" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    "${configuration[@]}" \
    >"$cache/qt-$qt_version-mingw-configure.log" 2>&1 || {
    tail -n 40 "$cache/qt-$qt_version-mingw-configure.log" >&2
    fail "configuring Qt failed; the whole log is $cache/qt-$qt_version-mingw-configure.log."
}
rm -f "$cache/qt-$qt_version-mingw-configure.log"

# Only the steps' progress is shown; Qt's own warnings go to the log, which is kept on failure.
# The build's own status decides, not whether a line of progress matched. One job more than
# there are processors keeps them busy while a step links or waits on the disk.
echo "==> Building Qt $qt_version for MinGW-w64 (about 850 steps)"
log="$cache/qt-$qt_version-mingw-build.log"
if ! NINJA_STATUS='[%f/%t %es] ' cmake --build "$work/build" --parallel "${VELMORA_QT_JOBS:-$(($(nproc) + 1))}" 2>&1 \
    | tee "$log" | { grep --line-buffered -E '^\[[0-9]+/[0-9]+ ' || true; }; then
    tail -n 40 "$log" >&2
    fail "building Qt failed; the whole log is $log."
fi
# Without their symbol tables: the libraries are shipped beside the programs, and a third of
# their size would be symbols that nothing reads.
cmake --install "$work/build" --strip >/dev/null
rm -f "$log"

echo "$build_id" >"$install_dir/velmora-qt.stamp"
rm -rf "$prefix"
mv "$install_dir" "$prefix"
echo "Qt $qt_version for Windows is in:"
echo "$prefix"
