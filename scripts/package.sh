#!/usr/bin/env bash
# Builds the Debian package as Debian builds its own packages, and leaves it in the
# build folder: build-package/trellic_<version>_<arch>.deb unless another folder is given.
#
#   package.sh [BUILD_DIR]
#
# The build is an optimised one with no tests, configured as debhelper configures a CMake
# project: build type None, and the compiler and linker flags dpkg-buildflags gives with
# every hardening feature on (fortified functions, the strong stack protector, read-only
# relocations bound at start-up, a position-independent executable). The program is
# packed stripped, without the sections dh_strip removes. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-package}

bash scripts/setup.sh >&2
source scripts/source-date.sh

# bindnow is the one hardening feature dpkg-buildflags leaves out unless asked.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flag() { dpkg-buildflags --get "$1"; }
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(flag CPPFLAGS) $(flag CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flag LDFLAGS)" \
    -DCMAKE_SHARED_LINKER_FLAGS="$(flag LDFLAGS)" >&2
cmake --build "$build" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" >&2
bash tests/package/pack-deb.sh "$build" "$build"
