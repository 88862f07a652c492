#!/usr/bin/env bash
# Packs a build tree into a Debian package.
#
#   pack-deb.sh <build-dir> <out-dir>
#
# Runs cpack on <build-dir> (after a build: cpack packs what the build made) with its
# output and CPack's staging tree in <out-dir>, and prints the path of the one .deb
# it made. Packages left in <out-dir> by an earlier run are removed first, so a
# renamed package cannot pass for the new one.
set -euo pipefail

if [ $# -ne 2 ] || [ ! -f "$1/CPackConfig.cmake" ]; then
    echo "usage: $0 <build-dir with CPackConfig.cmake> <out-dir>" >&2
    exit 2
fi
build=$1 out=$2

if ! command -v cpack >/dev/null; then
    echo "FAIL: cpack not found (run scripts/setup.sh)" >&2
    exit 1
fi

mkdir -p "$out"
rm -f "$out"/*.deb
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
deb=$(find "$out" -maxdepth 1 -name '*.deb')
if [ "$(wc -l <<<"$deb")" -ne 1 ] || [ ! -f "$deb" ]; then
    echo "FAIL: cpack made no single .deb: ${deb:-none}" >&2
    exit 1
fi
echo "$deb"
