#!/usr/bin/env bash
# Runs Debian's own package checker on a package, with every tag shown: informational,
# pedantic and experimental ones as well as errors and warnings.
#
#   lint-deb.sh <file.deb>
#
# Anything lintian prints fails. Temporary files go to $TMPDIR.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 <file.deb>" >&2
    exit 2
fi
deb=$1

if ! command -v lintian >/dev/null; then
    echo "FAIL: lintian not found (run scripts/setup.sh)" >&2
    exit 1
fi
if [ -n "${TMPDIR:-}" ]; then
    mkdir -p "$TMPDIR"
fi
# Lintian leaves some of its temporary files behind: give it a folder of its own.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# As root, lintian warns about itself (not about the package) unless told it may run so.
as_root=()
if [ "$(id -u)" -eq 0 ]; then
    as_root=(--allow-root)
fi

echo "lintian $(lintian --print-version) on $(basename "$deb")"
status=0
report=$(TMPDIR=$work lintian "${as_root[@]}" --display-info --display-experimental --pedantic \
    --tag-display-limit 0 "$deb" 2>&1) || status=$?
if [ -n "$report" ]; then
    echo "$report"
    echo "FAIL: lintian has something to say about the package" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "FAIL: lintian exited with status $status" >&2
    exit 1
fi
echo "lintian has nothing to say about the package."
