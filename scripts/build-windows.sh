#!/usr/bin/env bash
# Builds Trellic for 64-bit Windows on Debian 12 or 13 and leaves
# build-windows/Trellic-<version>-win64.zip: Trellic.exe with the DLLs, plugins and
# licences it needs. The build tree also holds the tests built for Windows, which
# `bash scripts/test.sh` runs under Wine.
#
# The first run builds Qt for Windows from Debian's source package into a cache outside
# the project (scripts/windows-qt.sh: about half an hour on two cores); later runs
# reuse it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/source-date.sh
qt=$(bash scripts/windows-qt.sh)
cache=${TRELLIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellic}
# The source it was built from, for its licences: qt-<version>-mingw-<key> beside it.
qt_version=$(basename "$qt")
qt_version=${qt_version#qt-}
qt_source=$cache/qtbase-${qt_version%%-mingw-*}-source

# Windows programs run under Wine: the tests of this tree through wine-run.sh.
emulator="/usr/bin/env;TRELLIC_QT_PREFIX=$qt;bash;$PWD/tests/support/wine-run.sh"
# Qt's wrapper finds the Windows Qt, and the toolchain it was built with, kept with it.
"$qt/bin/qt-cmake" -S . -B build-windows -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DTRELLIC_WERROR=ON \
    "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$PWD=." \
    -DCMAKE_EXE_LINKER_FLAGS=-Wl,--no-insert-timestamp \
    -DTRELLIC_QT_SOURCE_DIR="$qt_source" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" >/dev/null
cmake --build build-windows
# A zip keeps local times: UTC, whatever the time zone of the machine.
(cd build-windows && TZ=UTC cpack -G ZIP >/dev/null && cpack -G NSIS >/dev/null)
echo "Built build-windows/$(cd build-windows && ls Trellic-*-win64.zip) and $(cd build-windows && ls Trellic-*-win64-setup.exe)"
