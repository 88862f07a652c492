#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source package of qtbase, once, with
# Debian's mingw-w64 toolchain and this machine's Qt host tools (the same version: the
# source package that this machine's qt6-base-dev was built from, 6.4.2 on Debian 12,
# 6.8.2 on Debian 13), and
# prints the folder it is installed in. The build is kept in a cache outside the clone
# and reused while this script and the toolchain file are unchanged; a build that
# failed or was cut off is never marked complete, so it is never reused.
#
# The cache folder is TRELLIC_CACHE, or ~/.cache/trellic. Progress goes to stderr.
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
cache=${TRELLIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellic}
toolchain=$project/cmake/mingw-w64-x86_64.cmake
# The source of this machine's own Qt, from its own release.
qt_source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_version=${qt_source_version%%+*}
release=$(. /etc/os-release && echo "$VERSION_CODENAME")

key=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-mingw-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

log() { echo "windows-qt: $*" >&2; }
mkdir -p "$cache"
exec 9>"$cache/qt.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# The source package, through a sources list and lists folder of our own: the system's
# apt set-up stays as it is. apt checks the files against the signed release.
source_dir=$cache/qtbase-$qt_version-source
if [ ! -f "$source_dir/.unpacked" ]; then
    log "fetching Debian's qt6-base source package"
    apt_dir=$cache/apt
    mkdir -p "$apt_dir/lists/partial" "$cache/download"
    # The release with its updates, where the host's Qt may come from.
    printf 'deb-src http://deb.debian.org/debian %s main\n' "$release" "$release-updates" >"$apt_dir/sources.list"
    echo "deb-src http://deb.debian.org/debian-security $release-security main" >>"$apt_dir/sources.list"
    apt_options=(-o "Dir::Etc::sourcelist=$apt_dir/sources.list" -o Dir::Etc::sourceparts=-
                 -o "Dir::State::Lists=$apt_dir/lists" -o APT::Sandbox::User=root)
    apt-get "${apt_options[@]}" update -qq
    (cd "$cache/download" && apt-get "${apt_options[@]}" source --download-only -qq "qt6-base=$qt_source_version")
    rm -rf "$source_dir"
    # Unpacked with Debian's patches applied, as Debian builds it.
    dpkg-source --no-check -x "$cache/download/qt6-base_${qt_source_version#*:}.dsc" "$source_dir" >&2
    touch "$source_dir/.unpacked"
fi

build_dir=$cache/qt-$qt_version-mingw-build-$key
rm -rf "$prefix"
# Qt's qt.toolchain.cmake loads the toolchain Qt was configured with, by its path: a
# copy kept with the build, so any clone (or none) can use it.
mkdir -p "$prefix/lib/cmake"
kept_toolchain=$prefix/lib/cmake/mingw-w64-x86_64.cmake
cp "$toolchain" "$kept_toolchain"
if [ ! -f "$build_dir/build.ninja" ]; then
    log "configuring Qt $qt_version for Windows into $prefix"
    rm -rf "$build_dir"
    # The same bytes from any cache folder: no build paths in the DLLs, no link times.
    reproducible="-ffile-prefix-map=$source_dir=qtbase -ffile-prefix-map=$build_dir=qtbase-build"
    # Only what the game and its tests use: Core, Gui, Widgets and Test, the windows
    # platform, the native styles and the image formats. The source tarball leaves out
    # the tablet header wintab.h; with OpenGL off, dynamic GL cannot build; Direct2D
    # would build the windows platform a second time, and without it Qt 6.4 leaves out
    # the DirectWrite 3 font database that the windows platform then still links (the
    # platform's default, GDI, draws the text). Qt 6.8 cannot build its DirectWrite
    # font support without Direct2D, so from 6.8 on Direct2D is built.
    direct2d=OFF
    if dpkg --compare-versions "$qt_version" ge 6.8; then direct2d=ON; fi
    cmake -S "$source_dir" -B "$build_dir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$kept_toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        "-DCMAKE_C_FLAGS=$reproducible" "-DCMAKE_CXX_FLAGS=$reproducible" \
        -DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp \
        -DCMAKE_MODULE_LINKER_FLAGS=-Wl,--no-insert-timestamp \
        -DCMAKE_EXE_LINKER_FLAGS=-Wl,--no-insert-timestamp \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=$direct2d -DFEATURE_directwrite3=OFF \
        -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_widgets=ON -DFEATURE_testlib=ON >&2
fi
log "building Qt (about half an hour on two cores, once)"
cmake --build "$build_dir" >&2
cmake --install "$build_dir" >&2
touch "$prefix/.complete"
rm -rf "$build_dir"
# Builds of older keys are no longer reused.
find "$cache" -maxdepth 1 -name "qt-$qt_version-mingw-*" ! -name "qt-$qt_version-mingw-$key*" \
    -exec rm -rf {} + 2>/dev/null || true
echo "$prefix"
