#!/usr/bin/env bash
# Installs the package on a minimal Debian system (this machine's release unless told
# otherwise), as a new player would, starts the installed game there, then removes and
# purges it:
#   - apt-get installs the package file with what it declares it depends on and nothing
#     else (no recommended packages), so the game cannot lean on this build machine;
#   - the installed /usr/games/trellic, started with LANG set to LANG, shows its splash,
#     then the first name prompt with the title PROMPT-TITLE, on the X display this
#     script is given (tests/support/with-xvfb.sh gives one);
#   - once the package is removed and purged, nothing it installed is left: no file,
#     and no folder that no other package owns.
#
#   clean-system.sh PACKAGE.deb [RELEASE [LANG PROMPT-TITLE]]
#
# RELEASE is bookworm or trixie, by default this machine's own; LANG and PROMPT-TITLE default to C.UTF-8
# and the English title. The minimal system is made once and kept in the cache
# (tests/support/debian-system.sh); each run unpacks a fresh copy in memory. Needs root
# for chroot and mount (through sudo otherwise); fails, never skips, when the system
# cannot be made. scripts/setup.sh installs the tools (debootstrap, xdotool, x11-utils).
set -euo pipefail

deb=$(realpath "${1:?usage: clean-system.sh PACKAGE.deb [RELEASE [LANG PROMPT-TITLE]]}")
# The machine's own release unless told: the package asks for the Qt it was built with.
release=${2:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
language=${3:-C.UTF-8}
prompt=${4:-Player 1 Name Input}
started=$SECONDS

say() { echo "clean-system: $* ($((SECONDS - started)) s)"; }
fail() {
    echo "clean-system: FAIL: $*" >&2
    exit 1
}

[[ -f $deb ]] || fail "no package at $deb"
[[ -n ${DISPLAY-} && -n ${XAUTHORITY-} ]] ||
    fail "no X display: run under tests/support/with-xvfb.sh"
display_number=${DISPLAY#:}
display_number=${display_number%.*}
[[ -S /tmp/.X11-unix/X$display_number ]] || fail "no socket for display $DISPLAY"

cache=${TRELLIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellic}

if [[ $(id -u) -ne 0 ]]; then
    # Again as root, with the same display, folders and cache.
    command -v sudo >/dev/null || fail "needs root for chroot and mount, and there is no sudo"
    exec sudo -n env DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" TMPDIR="${TMPDIR:-/tmp}" \
        TRELLIC_CACHE="$cache" bash "$0" "$deb" "$release" "$language" "$prompt"
fi
for tool in xdotool xprop; do
    command -v "$tool" >/dev/null || fail "$tool not found (scripts/setup.sh installs it)"
done

source "$(dirname "$0")/../support/debian-system.sh"
work=$DEBIAN_SYSTEM_WORK
root=$work/root

# Whatever happens, the game ends, and so does every process still running in the
# system copy; everything mounted in it is unmounted before anything is deleted.
app_pid=
cleanup() {
    local status=$?
    if [[ -n $app_pid ]]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    debian_system_cleanup || status=1
    exit "$status"
}
trap cleanup EXIT

chroot_run() {
    debian_system_run "$root" "$@"
}

debian_system_root "$release" "$root" tmpfs
say "fresh copy of the minimal $release system unpacked"
debian_system_mount "$root"
# The X display's socket, and a copy of the cookie that lets a client in.
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cp "$XAUTHORITY" "$root/tmp/xauthority"

# --- Installing --------------------------------------------------------------------
apt_options=(-y -q -o APT::Install-Recommends=false -o Dpkg::Options::=--force-unsafe-io)
chroot_run apt-get update -q >"$work/update.log" 2>&1 || {
    cat "$work/update.log" >&2
    fail "apt-get update failed in the minimal system"
}
install -m 644 "$deb" "$root/tmp/$(basename "$deb")"
chroot_run apt-get install "${apt_options[@]}" "./tmp/$(basename "$deb")" \
    >"$work/install.log" 2>&1 || {
    tail -n 40 "$work/install.log" >&2
    fail "apt-get could not install the package"
}
say "installed: $(grep -m1 'newly installed' "$work/install.log")"
[[ $(chroot_run dpkg-query -W -f='${Status}' trellic) == "install ok installed" ]] ||
    fail "dpkg does not list trellic as installed"
mapfile -t installed < <(chroot_run dpkg-query -L trellic | grep '^/')
((${#installed[@]} > 0)) || fail "dpkg lists no file of trellic"

# --- Starting the installed game ---------------------------------------------------
# wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; fails after SECONDS,
# or at once when the game has ended.
wait_for() {
    local deadline=$((SECONDS + $1)) what=$2
    shift 2
    until "$@"; do
        if ! kill -0 "$app_pid" 2>/dev/null; then
            cat "$work/trellic.log" >&2
            fail "the game ended before its $what was on the screen"
        fi
        ((SECONDS < deadline)) || {
            cat "$work/trellic.log" >&2
            fail "no $what on the screen within $1 s"
        }
        sleep 0.1
    done
}
# window TITLE: the game's shown window of that title.
window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        if [[ $(xprop -id "$id" -notype _NET_WM_NAME 2>/dev/null) == *"= \"$1\"" ]]; then
            return 0
        fi
    done
    return 1
}

# Started by chroot and env, which each become the next program: the process is the game.
chroot "$root" "${debian_system_env[@]}" DISPLAY="$DISPLAY" XAUTHORITY=/tmp/xauthority \
    QT_QPA_PLATFORM=xcb LANG="$language" /usr/games/trellic >"$work/trellic.log" 2>&1 &
app_pid=$!
# The first start in a new system builds the font cache first.
wait_for 60 "splash" window Trellic
say "the installed game shows its splash"
wait_for 30 "first name prompt, \"$prompt\"," window "$prompt"
say "the installed game asks for the first player's name"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=

# --- Removing and purging ------------------------------------------------------------
chroot_run apt-get remove "${apt_options[@]}" trellic >"$work/remove.log" 2>&1 || {
    cat "$work/remove.log" >&2
    fail "apt-get could not remove the package"
}
# Removed from a package file, with no configuration file of its own, it may be purged
# already: apt would no longer know the name, dpkg says so and succeeds.
chroot_run dpkg --purge trellic >"$work/purge.log" 2>&1 || {
    cat "$work/purge.log" >&2
    fail "dpkg could not purge the package"
}
if chroot_run dpkg-query -W trellic >/dev/null 2>&1; then
    fail "dpkg still knows trellic after the purge"
fi
say "removed and purged"

# Every path the package had, checked in the system copy: files must be gone, and a
# folder that is still there must belong to another package.
owned=$work/owned
cat "$root"/var/lib/dpkg/info/*.list | sort -u >"$owned"
left=0
for path in "${installed[@]}"; do
    if [[ -L $root$path || -f $root$path ]]; then
        echo "clean-system: left behind: $path" >&2
        left=$((left + 1))
    elif [[ -d $root$path ]] && ! grep -qxF "$path" "$owned"; then
        echo "clean-system: folder left behind, owned by no package: $path" >&2
        left=$((left + 1))
    fi
done
((left == 0)) || fail "$left path(s) of the package left after the purge"
say "nothing of the package's ${#installed[@]} paths is left"
