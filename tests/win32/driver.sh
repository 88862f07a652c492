# What the Windows black-box tests share, sourced by them: Trellic.exe unpacked from the
# zip and started under Wine, the probe's view of its windows, and real keys and clicks
# through xdotool. Run inside tests/support/wine-session.sh on an X display.
#
#   source driver.sh WINDOWS_BUILD_DIR

build=${1:?usage: driver.sh WINDOWS_BUILD_DIR}
# A command that fails ends the test (set -e) with its line, even where it says nothing.
set -E
trap 'echo "FAIL: $(basename "$0") line $LINENO: $BASH_COMMAND (status $?)" >&2' ERR
for tool in xdotool unzip wine; do
    command -v "$tool" >/dev/null || { echo "$tool not found (scripts/setup.sh installs it)" >&2; exit 1; }
done
zip=$(ls "$build"/Trellic-*-win64.zip 2>/dev/null | head -1)
probe_exe=$build/window_probe.exe
[[ -f $zip && -f $probe_exe ]] || {
    echo "no Windows build in $build (bash scripts/build-windows.sh makes it)" >&2
    exit 1
}

# A folder with a space in its name, as under Program Files.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/Unzipped here"
unzip -q "$zip" -d "$work/Unzipped here"
game_dir=$(echo "$work/Unzipped here"/Trellic-*-win64)
trellic=

fail() {
    echo "FAIL: $*" >&2
    echo "windows now:" >&2
    probe windows >&2 || true
    exit 1
}

# The Unix path as Windows programs see it, on Wine's drive Z:.
windows_path() {
    echo "Z:${1//\//\\}"
}

probe() {
    wine "$probe_exe" "$@" 2>/dev/null | tr -d '\r'
}

# Starts Trellic.exe from the unzipped folder, as a double click does: nothing on the
# command line, the folder of the program as the working folder. With a locale
# (de_DE.UTF-8), Windows' display language is that locale's.
start_trellic() {
    local locale=${1:-}
    if [[ -n $locale ]]; then
        (cd "$game_dir" && unset LANGUAGE LC_ALL LC_MESSAGES && LANG=$locale exec wine Trellic.exe) &
    else
        (cd "$game_dir" && exec wine Trellic.exe) &
    fi
    trellic=$!
}

# The translation of the English TEXT in the catalogue CATALOGUE.ts, as the game shows it.
translated() {
    python3 - "$1" "$2" <<'PYTHON'
import sys
import xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).getroot().iter("message"):
    if message.findtext("source") == sys.argv[2]:
        print(message.findtext("translation"))
        break
else:
    sys.exit(f"no translation of {sys.argv[2]!r} in {sys.argv[1]}")
PYTHON
}

# Waits (at most 30 s) until the probe reports a window of Trellic whose line matches
# the extended regular expression PATTERN, and prints that line.
wait_window() {
    local pattern=$1 line deadline=$((SECONDS + 30))
    while ((SECONDS < deadline)); do
        line=$(probe windows | grep -E -m1 -- "$pattern" || true)
        if [[ -n $line ]]; then
            echo "$line"
            return 0
        fi
        sleep 0.1
    done
    fail "no window matching: $pattern"
}

# Waits until no window of Trellic matches PATTERN.
wait_window_gone() {
    local pattern=$1 deadline=$((SECONDS + 30))
    while ((SECONDS < deadline)); do
        probe windows | grep -E -q -- "$pattern" || return 0
        sleep 0.1
    done
    fail "a window still matches: $pattern"
}

# The value of NAME in a line of the probe: `field "$line" client` gives "294x362".
field() {
    sed -n "s/.* $2=\\([^ ]*\\).*/\\1/p" <<<"$1"
}

# Checks that a probe line has every one of the given NAME=VALUE settings.
expect_styles() {
    local line=$1 what=$2 setting
    shift 2
    for setting in "$@"; do
        [[ " $line " == *" $setting "* ]] || fail "$what: expected $setting in: $line"
    done
}

# A click at pixel (X, Y) of the client area described by a probe line.
click_client() {
    local origin
    origin=$(field "$1" origin)
    xdotool mousemove $((${origin%,*} + $2)) $((${origin#*,} + $3)) click 1
}

# Waits for the splash, prints its line, and hands over with a key.
pass_splash() {
    wait_window 'text="" '
    xdotool key --clearmodifiers a
}

# Answers both name prompts with the names given (an empty one is just Return), then
# waits for the game window to be in front and prints its line. The prompts' titles
# are PROMPT_TITLES, when set.
answer_prompts() {
    local player name titles=("Player 1 Name Input" "Player 2 Name Input")
    [[ -z ${PROMPT_TITLES+set} ]] || titles=("${PROMPT_TITLES[@]}")
    for player in 1 2; do
        name=${!player}
        wait_window "text=\"${titles[player - 1]}\".* active=1" >/dev/null
        [[ -z $name ]] || xdotool type --delay 20 "$name"
        xdotool key Return
    done
    wait_window 'text="Trellic" .* owner=0 .* active=1'
}

# Windows' display scale, in percent of 96 dpi, that the layout's pixels are multiplied by.
scale=${TRELLIC_SCALE_PERCENT:-100}
scaled() {
    echo $((($1 * scale + 50) / 100))
}

# A click on cell N (1 to 9, row by row) of the game window described by GAME_LINE, whose
# client area holds the menu bar above the designed 339 pixels of the board and names.
click_cell() {
    local client index=$(($2 - 1))
    client=$(field "$1" client)
    click_client "$1" "$(scaled $((8 + 96 * (index % 3) + 40)))" \
        $((${client#*x} - $(scaled 339) + $(scaled $((8 + 88 * (index / 3) + 36)))))
}

# Ends the test when Trellic has not ended with status 0 within 30 s.
expect_exit_zero() {
    local deadline=$((SECONDS + 30)) status=0
    while kill -0 "$trellic" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "Trellic.exe did not end"
        sleep 0.1
    done
    wait "$trellic" || status=$?
    ((status == 0)) || fail "Trellic.exe ended with status $status"
}
