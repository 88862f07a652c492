#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, and ends the display with it.
#
#   with-xvfb.sh WIDTHxHEIGHT COMMAND [ARG...]
#
# Xvfb picks the display number itself (-displayfd): it takes the first number whose
# lock and every socket it can have, so two tests starting at once, or one starting while
# the last one's server is still going down, never share a display. The server does not
# reset when its last client leaves (a reset refuses the client that connects meanwhile:
# a window manager started right after a one-off xprop). The display only lets in
# clients that hold its cookie, and it has gone away before this returns. The exit
# status is the command's.
set -euo pipefail

size=${1:?usage: with-xvfb.sh WIDTHxHEIGHT COMMAND [ARG...]}
shift
(($# > 0)) || { echo "with-xvfb: no command given" >&2; exit 2; }
for tool in Xvfb xauth mcookie; do
    command -v "$tool" >/dev/null || {
        echo "with-xvfb: $tool not found (scripts/setup.sh installs it)" >&2
        exit 1
    }
done

scratch=$(mktemp -d)
server=
cleanup() {
    if [[ -n $server ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# The server learns the cookie before its number is known, so its own file names a
# placeholder display; the clients' file names the real one.
cookie=$(mcookie)
: >"$scratch/server"
: >"$scratch/clients"
xauth -q -f "$scratch/server" add :0 MIT-MAGIC-COOKIE-1 "$cookie"
mkfifo "$scratch/number"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset -auth "$scratch/server" \
    3>"$scratch/number" >"$scratch/xvfb.log" 2>&1 &
server=$!
number=
read -r number <"$scratch/number" || true
if [[ ! $number =~ ^[0-9]+$ ]]; then
    echo "with-xvfb: Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi

export DISPLAY=:$number XAUTHORITY=$scratch/clients
xauth -q -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
status=0
"$@" || status=$?
exit "$status"
