#!/usr/bin/env bash
# Cross-builds the Windows registry and launch layer with mingw-w64 and runs its test
# under Wine, in a fresh Wine prefix that is removed afterwards.
#
#   run-wine-test.sh [SOURCE_DIR] [WORK_DIR]
#
# Fails when the tools are missing; scripts/setup.sh installs them
# (g++-mingw-w64-x86-64, wine and wine64).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "${1:-$here/../../..}" && pwd)
work=${2:-$src/build-mingw}
build=$work/build

for tool in x86_64-w64-mingw32-g++-posix wineserver; do
    if ! command -v "$tool" >/dev/null; then
        echo "run-wine-test: $tool not found (scripts/setup.sh installs it)" >&2
        exit 1
    fi
done
wine=$(command -v wine || command -v wine64 || true)
if [[ -z $wine ]]; then
    echo "run-wine-test: wine not found (scripts/setup.sh installs it)" >&2
    exit 1
fi

mkdir -p "$work"
start=$SECONDS
timeout 300 cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTRELLIC_WITH_QT=OFF \
    -DTRELLIC_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" >"$work/configure.log" ||
    { cat "$work/configure.log"; exit 1; }
timeout 600 cmake --build "$build" -j2 \
    --target windows_system_access_test trellic_launch_marker
echo "run-wine-test: built in $((SECONDS - start)) s"

# Everything Wine keeps goes into one temporary folder: the prefix and, through TMPDIR,
# the wineserver's socket folder.
scratch=$(mktemp -d)
stop_wine() {
    WINEPREFIX=$scratch/prefix timeout 30 wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$scratch/prefix timeout 30 wineserver -w >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap stop_wine EXIT
mkdir "$scratch/prefix" "$scratch/tmp"

export WINEPREFIX=$scratch/prefix TMPDIR=$scratch/tmp WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY
wine_start=$SECONDS
timeout 120 "$wine" wineboot --init >/dev/null 2>&1
echo "run-wine-test: prefix ready in $((SECONDS - wine_start)) s"
timeout 120 "$wine" "$build/tests/windows/windows_system_access_test.exe" --gtest_color=no
echo "run-wine-test: done in $((SECONDS - start)) s"
