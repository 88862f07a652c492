#!/usr/bin/env bash
# Checks the Debian package as a user's system would see it once installed.
#
#   check-deb.sh <build-dir>        packs the build tree with cpack, then checks the .deb
#   check-deb.sh --deb <file.deb>   checks a package built elsewhere
#
# The package is unpacked into a temporary folder (in $TMPDIR) and must hold the
# game in /usr/games, the desktop entry, the icon at every size plus the scalable one
# and the metainfo where desktops and software centres look for them, and the
# changelog of the version it carries; every shared library the game needs must come
# from a Debian package named in Depends.
set -euo pipefail

app_id=io.github.kelvane.Trellic
icon_sizes=(16 24 32 48 64 128 256)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in cpack dpkg-deb dpkg dpkg-parsechangelog gzip readelf ldd file appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool not found (run scripts/setup.sh)" >&2
        exit 1
    fi
done

if [ -n "${TMPDIR:-}" ]; then
    mkdir -p "$TMPDIR"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "${1:-}" = --deb ] && [ $# -eq 2 ]; then
    deb=$(realpath "$2")
elif [ $# -eq 1 ] && [ -f "$1/CPackConfig.cmake" ]; then
    # Pack into the temporary folder so that parallel runs and the build tree's own
    # packages stay apart.
    deb=$(bash "$(dirname "$0")/pack-deb.sh" "$1" "$work/out")
else
    echo "usage: $0 <build-dir with CPackConfig.cmake> | --deb <file.deb>" >&2
    exit 2
fi

echo "Checking $(basename "$deb")"
root="$work/root"
dpkg-deb -x "$deb" "$root"

# --- Files where a desktop expects them --------------------------------------

expect_file() {
    local path=$1 type=$2
    if [ ! -f "$root/$path" ]; then
        fail "/$path missing"
    elif ! file -b "$root/$path" | grep -q "$type"; then
        fail "/$path is $(file -b "$root/$path"), expected $type"
    fi
}

binary=usr/games/trellic
expect_file "$binary" "ELF"
if [ -f "$root/$binary" ] && [ ! -x "$root/$binary" ]; then
    fail "/$binary is not executable"
fi
expect_file "usr/share/applications/$app_id.desktop" "text"
expect_file "usr/share/man/man6/trellic.6.gz" "gzip compressed data"
expect_file "usr/share/doc/trellic/copyright" "text"
expect_file "usr/share/doc/trellic/changelog.gz" "gzip compressed data"
expect_file "usr/share/metainfo/$app_id.metainfo.xml" "XML"
expect_file "usr/share/icons/hicolor/scalable/apps/$app_id.svg" "SVG"
for size in "${icon_sizes[@]}"; do
    # A picture of the wrong size in a size folder is scaled, and blurred, by the desktop.
    expect_file "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" \
        "PNG image data, $size x $size,"
done

# Everything belongs to the system's prefix, never to /usr/local or another root.
while IFS= read -r path; do
    case "$path" in
    ./usr/local/*) fail "${path#.} is under /usr/local" ;;
    ./usr/*) ;;
    *) fail "${path#.} is outside /usr" ;;
    esac
done < <(cd "$root" && find . -type f -o -type l)

# --- The desktop entry, the metainfo and the files agree ---------------------

entry="$root/usr/share/applications/$app_id.desktop"
if [ -f "$entry" ]; then
    # Started by name, from the PATH: Debian's has /usr/games as well as /usr/bin.
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    if [ ! -x "$root/usr/games/$program" ] && [ ! -x "$root/usr/bin/$program" ]; then
        fail "the desktop entry runs '$program', which is in neither /usr/games nor /usr/bin"
    fi
    icon=$(sed -n 's/^Icon=//p' "$entry")
    if [ "$icon" != "$app_id" ]; then
        fail "the desktop entry's icon is '$icon', the installed icons are named $app_id"
    fi
fi

# The software centre's view of the installed tree: the metainfo's id and launchable
# desktop entry, and the entry itself.
if ! appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1; then
    cat "$work/tree.log" >&2
    fail "appstreamcli finds problems in the installed tree"
fi

# --- The changelog names the version being packed ----------------------------

changelog="$root/usr/share/doc/trellic/changelog.gz"
if [ -f "$changelog" ]; then
    gzip -dc "$changelog" >"$work/changelog"
    logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
    packed=$(dpkg-deb -f "$deb" Version)
    if [ "$logged" != "$packed" ]; then
        fail "the changelog's latest entry is for $logged, the package is $packed"
    fi
fi

# --- Shared libraries ----------------------------------------------------------

if [ -f "$root/$binary" ]; then
    dynamic=$(readelf -d "$root/$binary")
    # A library path fixed at build time (the build tree, a developer's own Qt) would
    # load libraries the package does not depend on; paths relative to the program
    # itself ($ORIGIN, as Qt's project set-up adds) stay inside the installed tree.
    search_path=$(sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]/\2/p' <<<"$dynamic")
    IFS=: read -ra search_dirs <<<"$search_path"
    for dir in "${search_dirs[@]}"; do
        # shellcheck disable=SC2016 # the loader's own $ORIGIN, not a shell variable
        case "$dir" in
        '$ORIGIN' | '$ORIGIN/'*) ;;
        *) fail "/$binary searches $dir for libraries" ;;
        esac
    done

    # The packages Depends names, without versions, taking every alternative.
    depends=$(dpkg-deb -f "$deb" Depends | sed 's/[,|]/\n/g' |
        sed 's/(.*)//; s/:.*//; s/[[:space:]]//g' | grep -v '^$' || true)
    if [ -z "$depends" ]; then
        fail "the package names no Depends"
    fi
    # Qt's translations, which the game loads for the player's language.
    grep -qxF qt6-translations-l10n <<<"$depends" || fail "Depends does not name qt6-translations-l10n"

    # Where this system's loader finds each library the game names.
    declare -A resolved=()
    while read -r name _ path _; do
        resolved[$name]=$path
    done < <(ldd "$root/$binary" | grep '=>')

    # The package that owns a library, trying the path as found and the other side of
    # the merged /usr, then the file a symlink points to.
    owner() {
        local path=$1 candidate found
        for candidate in "$path" "/usr${path#/usr}" "${path#/usr}" "$(readlink -f "$path")"; do
            if found=$(dpkg -S "$candidate" 2>/dev/null); then
                sed -n '1{s/[:,].*//;p}' <<<"$found"
                return
            fi
        done
    }

    needed=$(sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' <<<"$dynamic")
    if [ -z "$needed" ]; then
        fail "/$binary needs no shared library, which cannot be a Qt program"
    fi
    for library in $needed; do
        path=${resolved[$library]:-}
        if [ -z "$path" ] || [ "$path" = "not" ]; then
            fail "$library, needed by /$binary, is not found on this system"
            continue
        fi
        package=$(owner "$path")
        if [ -z "$package" ]; then
            fail "$library ($path) belongs to no Debian package"
        elif ! grep -qxF "$package" <<<"$depends"; then
            fail "$library comes from $package, which Depends does not name"
        else
            echo "ok: $library from $package"
        fi
    done
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in $(basename "$deb")" >&2
    exit 1
fi
echo "The package is complete."
