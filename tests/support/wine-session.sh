#!/usr/bin/env bash
# Runs a command inside a Wine session of its own: a fresh Wine prefix, made once with
# wineboot and kept by a persistent wineserver for as long as the command runs, then
# ended and removed. Windows programs run in it through wine-run.sh.
#
#   wine-session.sh COMMAND [ARG...]
#
# The prefix is a temporary folder of its own, and the wineserver's socket folder Wine's
# own one for that prefix. Fails when Wine is missing (scripts/setup.sh installs it).
# The exit status is the command's.
set -euo pipefail
(($# > 0)) || { echo "wine-session: no command given" >&2; exit 2; }
for tool in wine wineserver; do
    command -v "$tool" >/dev/null || {
        echo "wine-session: $tool not found (scripts/setup.sh installs it)" >&2
        exit 1
    }
done

scratch=$(mktemp -d)
stop_wine() {
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
mkdir "$scratch/prefix"
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEARCH=win64
# Debian 13's Wine 10 aborts at once ("free(): invalid pointer") whenever TMPDIR is set.
unset TMPDIR
# No Mono or Gecko installer prompts: nothing here needs .NET or HTML. No menu builder:
# shortcuts a test creates stay in Windows, out of the desktop menu of whoever runs it.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap stop_wine EXIT
trap 'exit 143' TERM INT HUP
start=$SECONDS
# A persistent server: the programs run one after another share it, rather than each
# waiting for a server of its own.
wineserver -p
timeout 180 wine wineboot --init >/dev/null 2>&1
# The programs' windows live on a Windows desktop that Wine draws in one X window, with
# the title bars and borders Windows gives them. (Wine's windows straight on the X
# display would each wait a second on every map and unmap for a window manager.)
# WINE_DESKTOP=none puts them on the X display all the same, each an X window of its own.
if [[ ${WINE_DESKTOP:-} != none ]]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${WINE_DESKTOP:-1024x768}" \
        /f >/dev/null 2>&1
fi
# Wine brings TrueType fonts for Windows' dialogs and title bars (fonts-wine: MS Sans
# Serif, Tahoma, Marlett), which a new prefix here does not put in place itself, but no
# Arial: Liberation Sans, made to Arial's metrics, stands in for it under its name.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
# Smoothed text, as Windows draws it by default: unsmoothed, Wine's outlines of MS Sans
# Serif lose strokes at display scales between whole numbers.
wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 2 /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null 2>&1
# Qt on Windows logs to the debugger, and so QtTest reports there, unless told to use the
# standard error stream; Wine passes no QT_ variable from here, so it is set in Windows.
wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
# The desktop that wineboot made is the X display's own; the next one is Wine's.
wineserver -k
wineserver -w
wineserver -p
# The first program of a session starts the desktop; this one, so that the first test
# does not pay for it.
timeout 120 wine reg query 'HKCU\Environment' >/dev/null 2>&1
echo "wine-session: prefix ready in $((SECONDS - start)) s"
status=0
"$@" || status=$?
exit "$status"
