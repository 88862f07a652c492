#!/usr/bin/env bash
# Builds and tests a copy of the tree on a fresh, minimal Debian 13 ("trixie"), as a new
# contributor on Debian 13 would: scripts/setup.sh installs what it needs there, the
# default preset builds it with warnings as errors (GCC 14, Qt 6.8), and every test runs
# but those that build or install elsewhere (windows, package, reproducible, fuzz) and
# these themselves. The screen reader and the bus tests run with Debian 13's Orca and
# AT-SPI.
#
#   run-suite.sh SOURCE-FOLDER
#
# The tree is copied as git sees it (tracked files and untracked ones not ignored), so
# no build folder of this machine's goes along. The minimal system comes from the cache
# (tests/support/debian-system.sh) and the copy is unpacked on disk, in TMPDIR; the
# packages apt downloads stay in the cache for the next run. Needs root for chroot and
# mount (through sudo otherwise); fails, never skips, when it cannot run.
set -euo pipefail

source_dir=$(realpath "${1:?usage: run-suite.sh SOURCE-FOLDER}")
release=trixie
started=$SECONDS

say() { echo "debian13: $* ($((SECONDS - started)) s)"; }
fail() {
    echo "debian13: FAIL: $*" >&2
    exit 1
}

if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || fail "needs root for chroot and mount, and there is no sudo"
    exec sudo -n env TMPDIR="${TMPDIR:-/tmp}" \
        TRELLIC_CACHE="${TRELLIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellic}" \
        bash "$0" "$source_dir"
fi
command -v git >/dev/null || fail "git not found"

source "$(dirname "$0")/../support/debian-system.sh"
work=$DEBIAN_SYSTEM_WORK
root=$work/root
trap 'status=$?; debian_system_cleanup || status=1; exit $status' EXIT

debian_system_root "$release" "$root"
debian_system_mount "$root"
say "fresh copy of the minimal $release system unpacked"

tree=/home/contributor/trellic
mkdir -p "$root$tree"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - -cf -) | tar -xf - -C "$root$tree"
say "tree copied to $tree"

# Each step's output goes to a log of its own; a failing step shows its end.
step() { # name command...
    local name=$1
    shift
    if ! debian_system_run "$root" bash -c "cd $tree && $*" >"$work/$name.log" 2>&1; then
        tail -n 80 "$work/$name.log" >&2
        fail "$name failed: $*"
    fi
    say "$name passed"
}

step setup "bash scripts/setup.sh"
debian_system_run "$root" sh -c 'echo "$(. /etc/os-release && echo "$PRETTY_NAME"):" \
    "$(g++ --version | head -n 1), Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev)," \
    "$(orca --version 2>/dev/null)"'
step build "cmake --preset default && cmake --build --preset default"
# Every test of the suite, each as it runs on Debian 12; the log keeps them all.
if ! debian_system_run "$root" bash -c "cd $tree && \
        ctest --preset default -LE 'windows|package|reproducible|fuzz|debian13'" \
        >"$work/test.log" 2>&1; then
    # What CTest printed of the failing tests comes before its summary.
    tail -n 300 "$work/test.log" >&2
    fail "the tests failed on Debian 13"
fi
grep -E 'tests passed' "$work/test.log"
say "every test passed on Debian 13"
