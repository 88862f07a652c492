#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, finding the Qt and MinGW
# runtime libraries where the build found them. The cross build
# names it as its emulator, so CTest runs its tests through it; wine-session.sh gives
# it the Wine prefix. Qt draws its windows on the Windows platform, on the X display
# that Wine uses.
#
#   wine-run.sh PROGRAM.exe [ARG...]
set -euo pipefail
: "${WINEPREFIX:?wine-run: no Wine session (run under tests/support/wine-session.sh)}"
: "${TRELLIC_QT_PREFIX:?wine-run: TRELLIC_QT_PREFIX names the Windows Qt}"
compiler=x86_64-w64-mingw32-g++-posix
folders=("$TRELLIC_QT_PREFIX/bin")
for runtime in libstdc++-6.dll libwinpthread-1.dll; do
    folders+=("$(dirname "$("$compiler" -print-file-name="$runtime")")")
done
WINEPATH=
for folder in "${folders[@]}"; do
    WINEPATH+="${WINEPATH:+;}Z:${folder//\//\\}"
done
# Wine passes no QT_ variable on to Windows programs: the session sets what Qt needs in
# the Windows environment, and Qt finds its plugins beside its own DLLs.
export WINEPATH
exec wine "$@"
