#!/usr/bin/env bash
# Runs Debian's own package checker on a package.
#
#   lint-deb.sh <file.deb>
#
# Any error or warning from lintian fails; informational and pedantic tags are
# printed for the record. Temporary files go to $TMPDIR.
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

echo "lintian $(lintian --print-version) on $(basename "$deb")"
status=0
report=$(TMPDIR=$work lintian --profile debian --fail-on error,warning --display-info \
    --pedantic --tag-display-limit 0 "$deb") || status=$?
if [ -n "$report" ]; then
    echo "$report"
fi

if [ "$status" -ne 0 ]; then
    echo "FAIL: lintian exited with status $status" >&2
    exit 1
fi
# Also by the letters of the report, should a tag's level move between lintian
# versions while --fail-on stays as it is.
if grep -q '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian reports errors or warnings" >&2
    exit 1
fi
echo "lintian finds no error and no warning."
