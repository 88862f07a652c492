# Minimal Debian systems for the tests that need a clean machine of a given release
# (the package installed as a new player would, the whole suite on another release).
# Sourced by those scripts, which run as root; it defines:
#
#   debian_system_root RELEASE ROOT [tmpfs]
#       a fresh copy of a minimal system of RELEASE (bookworm, trixie) at ROOT, in
#       memory when "tmpfs" is given, on disk otherwise; its apt sources name the release
#       with its updates and security fixes, and it has the machine's resolver;
#   debian_system_mount ROOT
#       /proc, /dev, /dev/pts and a /dev/shm of its own mounted in it, and the folder of
#       packages apt downloads kept in the cache for the next run;
#   debian_system_run ROOT [NAME=VALUE...] COMMAND...
#       COMMAND in it, in a plain environment with none of this machine's variables
#       (debian_system_env), and the settings given;
#   debian_system_cleanup
#       every process still running in a system copy ended, and everything mounted under
#       DEBIAN_SYSTEM_WORK unmounted, deepest first; then that folder deleted, on its own
#       file system only, so that the deletion never reaches the machine's own /dev.
#       Returns non-zero, leaving the folder, when something stays mounted.
#
# Sourcing it makes a work folder, DEBIAN_SYSTEM_WORK, in TMPDIR: ROOT lies in it, and so
# may whatever else the caller keeps until the cleanup.
#
# The minimal system of each release (debootstrap --variant=minbase) is made once and kept
# as a tarball in the cache folder, outside the clone:
#   ${TRELLIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellic}/RELEASE-minbase.tar
# with the packages apt downloads beside it (RELEASE-archives/). It is made in a folder
# beside the tarball and given its name only once complete, so an interrupted run
# leaves nothing that a later one would take for it; one run at a time makes it, the
# others wait and then use it. The copies are unpacked afresh, so the kept system never
# changes.

debian_system_mirror=http://deb.debian.org/debian
debian_system_cache=${TRELLIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellic}
debian_system_roots=()
if [[ -n ${TMPDIR-} ]]; then
    mkdir -p "$TMPDIR"
fi
DEBIAN_SYSTEM_WORK=$(realpath "$(mktemp -d)")

debian_system_fail() {
    echo "debian-system: FAIL: $*" >&2
    exit 1
}

debian_system_root() {
    local release=$1 root=$2 memory=${3-} tarball lock
    for tool in debootstrap chroot mount umount findmnt flock tar; do
        command -v "$tool" >/dev/null || debian_system_fail "$tool not found (scripts/setup.sh installs it)"
    done
    tarball=$debian_system_cache/$release-minbase.tar
    mkdir -p "$debian_system_cache" "$debian_system_cache/$release-archives"
    exec {lock}>"$debian_system_cache/$release-minbase.lock"
    flock "$lock"
    if [[ ! -f $tarball ]]; then
        echo "debian-system: making the minimal $release system in the cache: $tarball" >&2
        rm -rf "$tarball.partial"
        mkdir "$DEBIAN_SYSTEM_WORK/make"
        timeout 900 debootstrap --variant=minbase "$release" "$DEBIAN_SYSTEM_WORK/make" \
            "$debian_system_mirror" >"$DEBIAN_SYSTEM_WORK/debootstrap.log" 2>&1 || {
            tail -n 30 "$DEBIAN_SYSTEM_WORK/debootstrap.log" >&2
            debian_system_fail "debootstrap could not make the minimal $release system"
        }
        tar -C "$DEBIAN_SYSTEM_WORK/make" --numeric-owner -cf "$tarball.partial" .
        mv "$tarball.partial" "$tarball"
        rm -rf --one-file-system "$DEBIAN_SYSTEM_WORK/make"
    fi
    flock --unlock "$lock"
    exec {lock}>&-

    mkdir -p "$root"
    debian_system_roots+=("$(realpath "$root")")
    if [[ $memory == tmpfs ]]; then
        # Quicker to fill, and gone at once when unmounted.
        mount -t tmpfs -o size=4G,mode=755 trellic-debian-system "$root"
    fi
    tar -C "$root" --numeric-owner -xf "$tarball"
    # As an installed system has it: the release with its updates and security fixes.
    cat >"$root/etc/apt/sources.list" <<EOF
deb $debian_system_mirror $release main
deb $debian_system_mirror $release-updates main
deb ${debian_system_mirror}-security $release-security main
EOF
    rm -f "$root"/etc/apt/sources.list.d/*
    # The resolver's answers for the mirror, the machine's own (no mount needed).
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    echo "$release" >"$root/.debian-system-release"
}

debian_system_mount() {
    local root=$1 release
    release=$(cat "$root/.debian-system-release")
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    mount --bind "$debian_system_cache/$release-archives" "$root/var/cache/apt/archives"
}

# A plain environment; NAME=VALUE words after it add to it or override it.
debian_system_env=(/usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
                   DEBIAN_FRONTEND=noninteractive)
debian_system_run() {
    local root=$1
    shift
    chroot "$root" "${debian_system_env[@]}" "$@"
}

debian_system_processes() { # the processes whose root is one of the system copies
    local link target root
    for link in /proc/[0-9]*/root; do
        target=$(readlink "$link" 2>/dev/null) || continue
        for root in "${debian_system_roots[@]}"; do
            if [[ $target == "$root" ]]; then
                link=${link#/proc/}
                echo "${link%/root}"
            fi
        done
    done
    return 0
}

debian_system_mounts() {
    findmnt -rn -o TARGET | awk -v work="$DEBIAN_SYSTEM_WORK" 'index($0, work "/") == 1' | sort -r
}

debian_system_cleanup() {
    local pid mount
    [[ -n ${DEBIAN_SYSTEM_WORK-} && -d $DEBIAN_SYSTEM_WORK ]] || return 0
    for pid in $(debian_system_processes); do
        kill -KILL "$pid" 2>/dev/null || true
    done
    for mount in $(debian_system_mounts); do
        umount "$mount" 2>/dev/null || umount --lazy "$mount" ||
            echo "debian-system: could not unmount $mount" >&2
    done
    if [[ -n $(debian_system_mounts) ]]; then
        echo "debian-system: still mounted, $DEBIAN_SYSTEM_WORK left in place:" >&2
        debian_system_mounts >&2
        return 1
    fi
    rm -rf --one-file-system "$DEBIAN_SYSTEM_WORK"
}
