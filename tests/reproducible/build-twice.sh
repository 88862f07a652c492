#!/usr/bin/env bash
# Builds what users download twice and compares the bytes: from two copies of the tree in
# folders of different lengths, one after the other, with a different umask, time zone
# and language. Where they differ, diffoscope shows where.
#
#   build-twice.sh PROJECT_DIR deb|windows
set -euo pipefail
project=$1 what=$2
case $what in
deb) script=scripts/package.sh artefacts=(build-package/trellic_1.0.0_amd64.deb) ;;
windows) script=scripts/build-windows.sh
    artefacts=(build-windows/Trellic-1.0.0-win64.zip build-windows/Trellic-1.0.0-win64-setup.exe) ;;
*) echo "usage: $0 PROJECT_DIR deb|windows" >&2; exit 2 ;;
esac
command -v diffoscope >/dev/null || { echo "FAIL: diffoscope not found (scripts/setup.sh installs it)" >&2; exit 1; }

work=$(mktemp -d /tmp/trellic-twice.XXXXXX)
trap 'rm -rf "$work"' EXIT
first=$work/a
second=$work/a-folder-with-a-much-longer-name/b
# The tree as it stands, committed or not, without its builds or its history (the
# time stamps then come from the changelog, the same for both).
for copy in "$first" "$second"; do
    mkdir -p "$copy"
    (cd "$project" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - -cf -) | tar -xf - -C "$copy"
done

build() { # folder umask TZ LANG
    echo "building in $1 (umask $2, TZ=$3, LANG=$4)"
    (cd "$1" && umask "$2" && TZ=$3 LANG=$4 LC_ALL= bash "$script" >"$1.log" 2>&1) || {
        tail -30 "$1.log" >&2
        echo "FAIL: $script failed in $1" >&2
        exit 1
    }
}
build "$first" 022 UTC C.UTF-8
build "$second" 077 Pacific/Kiritimati de_DE.UTF-8

status=0
for artefact in "${artefacts[@]}"; do
    if cmp -s "$first/$artefact" "$second/$artefact"; then
        echo "same: $artefact ($(sha256sum <"$first/$artefact" | cut -c1-16)...)"
    else
        echo "FAIL: $artefact differs between the two builds:" >&2
        diffoscope --text - "$first/$artefact" "$second/$artefact" | head -300 >&2 || true
        status=1
    fi
done
exit $status
