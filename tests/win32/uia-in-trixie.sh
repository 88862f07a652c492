#!/usr/bin/env bash
# Runs uia-exe.sh, what a Windows screen reader reads of Trellic.exe, where UI Automation
# can be read: under Wine 10, in a fresh minimal Debian 13 system (Debian 12's Wine 8
# has no UI Automation client, and its MinGW no headers for one). The UI Automation
# client is built there with Debian 13's MinGW; Trellic.exe and the window probe are
# this machine's Windows build, from its zip.
#
#   uia-in-trixie.sh SOURCE-FOLDER WINDOWS_BUILD_DIR
#
# The minimal system and the packages apt downloads come from the cache
# (tests/support/debian-system.sh). Needs root for chroot and mount (through sudo
# otherwise); fails, never skips, when it cannot run.
set -euo pipefail

source_dir=$(realpath "${1:?usage: uia-in-trixie.sh SOURCE-FOLDER WINDOWS_BUILD_DIR}")
build=$(realpath "${2:?usage: uia-in-trixie.sh SOURCE-FOLDER WINDOWS_BUILD_DIR}")
started=$SECONDS

say() { echo "uia-in-trixie: $* ($((SECONDS - started)) s)"; }
fail() {
    echo "uia-in-trixie: FAIL: $*" >&2
    exit 1
}

zip=$(ls "$build"/Trellic-*-win64.zip 2>/dev/null | head -1)
[[ -f $zip && -f $build/window_probe.exe ]] ||
    fail "no Windows build in $build (bash scripts/build-windows.sh makes it)"
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || fail "needs root for chroot and mount, and there is no sudo"
    exec sudo -n env TMPDIR="${TMPDIR:-/tmp}" \
        TRELLIC_CACHE="${TRELLIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellic}" \
        bash "$0" "$source_dir" "$build"
fi

source "$source_dir/tests/support/debian-system.sh"
work=$DEBIAN_SYSTEM_WORK
root=$work/root
trap 'status=$?; debian_system_cleanup || status=1; exit $status' EXIT

debian_system_root trixie "$root"
debian_system_mount "$root"
# Only the tests and the catalogues they read the German texts from.
tree=/home/contributor/trellic
mkdir -p "$root$tree" "$root/home/contributor/build-windows"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard -- tests resources |
    tar --null -T - -cf -) | tar -xf - -C "$root$tree"
cp "$zip" "$build/window_probe.exe" "$root/home/contributor/build-windows/"
say "fresh minimal Debian 13 system with the tests and the Windows build"

run() { # LOG COMMAND...
    local log=$work/$1.log
    shift
    if ! debian_system_run "$root" bash -c "$*" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        fail "failed: $*"
    fi
}
run install "apt-get update -q && apt-get install -y -q -o APT::Install-Recommends=false \
    -o Dpkg::Options::=--force-unsafe-io wine wine64 fonts-wine fonts-liberation xvfb xauth \
    xdotool unzip python3 g++-mingw-w64-x86-64-posix locales && \
    printf 'en_US.UTF-8 UTF-8\nde_DE.UTF-8 UTF-8\n' >/etc/locale.gen && locale-gen"
say "$(debian_system_run "$root" WINEDEBUG=-all wine --version) installed"
run build "x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Wconversion -Werror \
    -municode -static -o /home/contributor/build-windows/uia_client.exe \
    $tree/tests/win32/UiaClient.cpp -lole32 -loleaut32 -luuid"
say "the UI Automation client built"

if ! debian_system_run "$root" bash $tree/tests/support/with-xvfb.sh 1024x768 \
        bash $tree/tests/support/wine-session.sh bash $tree/tests/win32/uia-exe.sh \
        /home/contributor/build-windows /home/contributor/build-windows/uia_client.exe \
        >"$work/uia.log" 2>&1; then
    cat "$work/uia.log" >&2
    fail "what a Windows screen reader reads is not all there"
fi
cat "$work/uia.log"
say "passed"
