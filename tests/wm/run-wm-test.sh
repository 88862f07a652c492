#!/usr/bin/env bash
# Runs the real program under a real EWMH window manager (Metacity) on the X display it is
# given (tests/support/with-xvfb.sh gives one), plays it with real keys and clicks, and
# reads back what the window manager made of its windows:
#   - the splash has no title bar and takes the keyboard focus;
#   - no window has an owner (WM_TRANSIENT_FOR), so the game window, once activated,
#     stacks above an open Help window;
#   - the splash, Help and About stay off the taskbar, the game window is on it;
#   - the game window cannot be maximized, Help and About neither;
#   - the splash, the game window and the About window are centred on the screen with
#     their frames, within 2 pixels.
# Metacity goes by the Motif hints a program sets for maximizing (Openbox and Fluxbox offer
# maximize for every window that can be resized, whatever the program asks) and keeps its
# stacking list up to date when a window is raised (IceWM does not).
#
#   run-wm-test.sh TRELLIC
#
# Fails, never skips, when a tool or the window manager cannot be had; scripts/setup.sh
# installs them (metacity, xdotool, x11-utils).
set -euo pipefail

program=${1:?usage: run-wm-test.sh TRELLIC}
started=$SECONDS

fail() {
    echo "run-wm-test: $*" >&2
    if [[ -s ${scratch-}/trellic.log ]]; then
        echo "--- the program's output:" >&2
        cat "$scratch/trellic.log" >&2
    fi
    exit 1
}

for tool in metacity xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || fail "$tool not found (scripts/setup.sh installs it)"
done
[[ -n ${DISPLAY-} ]] || fail "no X display: run under tests/support/with-xvfb.sh"

scratch=$(mktemp -d)
wm_pid=
app_pid=
cleanup() {
    [[ $BASHPID == "$$" ]] || return 0 # not in a command substitution
    for pid in $app_pid $wm_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

# wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; fails after SECONDS.
wait_for() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000)) what=$2
    shift 2
    until "$@"; do
        (($(date +%s%N) < deadline)) || fail "no $what within the time allowed"
        sleep 0.05
    done
}

# The windows a root property lists, bottom to top for the stacking order, in decimal.
root_windows() {
    local id
    for id in $(xprop -root "$1" | sed -n 's/^[^#]*# //p' | tr ',' ' '); do
        echo $((id))
    done
}

# A window's property as xprop prints it after "=", or nothing.
prop() {
    xprop -id "$1" -notype "$2" 2>/dev/null | sed -n 's/^[^=]*= //p'
}

# The managed window titled $1 (of the program, not the splash), in decimal.
client() {
    local window
    for window in $(root_windows _NET_CLIENT_LIST); do
        if [[ $window != "${splash-}" && $(prop "$window" _NET_WM_PID) == "$app_pid" &&
              $(prop "$window" _NET_WM_NAME) == "\"$1\"" ]]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

# find_client VAR TITLE: waits for the window titled TITLE and puts it in VAR.
find_client() {
    local -n found=$1
    wait_for 15 "window \"$2\"" client "$2" >/dev/null
    found=$(client "$2")
}

# The window manager says so, and the keyboard goes there (it may hand the focus over
# after announcing it).
active() {
    [[ $(root_windows _NET_ACTIVE_WINDOW) == "$1" && $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]
}
framed() { [[ -n $(prop "$1" _NET_FRAME_EXTENTS) ]]; }
open_menu() { # the drop-down menu on screen: the program's window the manager leaves alone
    local window
    for window in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        if [[ $(xwininfo -id "$window" -all) == *"Override Redirect State: yes"* ]]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}
above() { # above UPPER LOWER: UPPER stacks above LOWER
    local window seen_lower=no
    for window in $(root_windows _NET_CLIENT_LIST_STACKING); do # bottom first
        [[ $window == "$2" ]] && seen_lower=yes
        [[ $window == "$1" ]] && { [[ $seen_lower == yes ]]; return; }
    done
    return 1
}

# x y width height of a window's client area on the screen ("-root" for the screen).
geometry() {
    local which=(-id "$1")
    [[ $1 == -root ]] && which=(-root)
    xwininfo "${which[@]}" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                             /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

# Checks that a window sits in the middle of the screen, its frame included.
check_centred() {
    local name=$1 window=$2 x y w h left right top bottom
    read -r x y w h <<<"$(geometry "$window")"
    IFS=', ' read -r left right top bottom <<<"$(prop "$window" _NET_FRAME_EXTENTS)"
    : "${left:=0}" "${right:=0}" "${top:=0}" "${bottom:=0}" # no frame at all
    # Twice the centre of the frame against the screen's width and height.
    local dx=$((2 * (x - left) + left + w + right - screen_width))
    local dy=$((2 * (y - top) + top + h + bottom - screen_height))
    echo "run-wm-test: $name at $x,$y ${w}x$h, frame $left $right $top $bottom, off centre by $((dx / 2)),$((dy / 2))"
    ((dx >= -4 && dx <= 4 && dy >= -4 && dy <= 4)) || fail "$name is not centred with its frame"
}

check_title_bar() {
    local left right top bottom
    IFS=', ' read -r left right top bottom <<<"$(prop "$2" _NET_FRAME_EXTENTS)"
    ((${top:-0} > 0)) || fail "$1 has no title bar: $(prop "$2" _NET_FRAME_EXTENTS)"
}

check_no_owner() {
    [[ $(xprop -id "$2" WM_TRANSIENT_FOR) == *"not found"* ]] ||
        fail "$1 has an owner: $(xprop -id "$2" WM_TRANSIENT_FOR)"
}

check_not_maximizable() {
    local actions
    actions=$(prop "$2" _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_MOVE* ]] || fail "$1 has no allowed actions listed: $actions"
    [[ $actions != *MAXIMIZE* ]] || fail "$1 can be maximized: $actions"
}

check_secondary() { # an ordinary window without an owner, off the taskbar, fixed in size
    check_no_owner "$1" "$2"
    [[ $(prop "$2" _NET_WM_WINDOW_TYPE) == _NET_WM_WINDOW_TYPE_NORMAL ]] ||
        fail "$1 is not an ordinary window: $(prop "$2" _NET_WM_WINDOW_TYPE)"
    [[ $(prop "$2" _NET_WM_STATE) == *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
        fail "$1 would be in the taskbar"
    check_not_maximizable "$1" "$2"
}

# Clicks the middle of a window's title bar, which activates and raises it.
click_title() {
    local x y w h left right top bottom
    read -r x y w h <<<"$(geometry "$1")"
    IFS=', ' read -r left right top bottom <<<"$(prop "$1" _NET_FRAME_EXTENTS)"
    xdotool mousemove $((x + w / 2)) $((y - top / 2)) click 1
}

# Opens the Help menu of the active game window from the keyboard, as a new player finds
# it (Alt, then Right to the second menu), and picks the item below $1 presses of Down.
help_menu_item() {
    xdotool key alt Right Down
    wait_for 10 "Help menu" open_menu >/dev/null
    for ((i = 0; i < $1; ++i)); do
        xdotool key Down
    done
    xdotool key Return
}

read -r screen_width screen_height <<<"$(geometry -root | awk '{print $3, $4}')"

# The window manager, with settings of its own in memory: no session bus, no desktop.
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 metacity --sm-disable --no-composite \
    >"$scratch/wm.log" 2>&1 &
wm_pid=$!
wm_running() {
    kill -0 "$wm_pid" 2>/dev/null || fail "metacity ended: $(cat "$scratch/wm.log")"
    local check
    check=$(root_windows _NET_SUPPORTING_WM_CHECK)
    [[ -n $check && $(xprop -id "$check" -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"# "* ]]
}
wait_for 10 "window manager on the screen" wm_running
echo "run-wm-test: metacity owns a ${screen_width}x$screen_height screen after $((SECONDS - started)) s"

QT_QPA_PLATFORM=xcb "$program" >"$scratch/trellic.log" 2>&1 &
app_pid=$!

# The splash: no title bar, the keyboard focus, centred; a typed key hands over.
find_client splash Trellic
wait_for 5 "keyboard focus on the splash" active "$splash"
# Managed by now: a frame of nothing, or none at all (not even put in a frame window).
case $(prop "$splash" _NET_FRAME_EXTENTS) in
"0, 0, 0, 0") ;;
"") [[ $(xwininfo -id "$splash" -tree) == *"Parent window id: "*"(the root window)"* ]] ||
        fail "the splash is in a frame: $(xwininfo -id "$splash" -tree)" ;;
*) fail "the splash has a frame: $(prop "$splash" _NET_FRAME_EXTENTS)" ;;
esac
check_no_owner splash "$splash"
[[ $(prop "$splash" _NET_WM_STATE) == *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
    fail "the splash would be in the taskbar"
check_centred splash "$splash"
xdotool key t

for player in 1 2; do
    find_client prompt "Player $player Name Input"
    wait_for 10 "keyboard focus on the prompt" active "$prompt"
    xdotool type --delay 20 "Player$player"
    xdotool key Return
done

find_client game Trellic
wait_for 10 "keyboard focus on the game window" active "$game"
wait_for 5 "frame for the game window" framed "$game"
check_title_bar "game window" "$game"
check_no_owner "game window" "$game"
check_not_maximizable "game window" "$game"
[[ $(prop "$game" _NET_WM_STATE) != *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
    fail "the game window is kept off the taskbar"
check_centred "game window" "$game"

# Help, then the game window in front of it again.
help_menu_item 0
find_client help Help
wait_for 10 "keyboard focus on Help" active "$help"
wait_for 5 "frame for Help" framed "$help"
check_title_bar Help "$help"
check_secondary Help "$help"
wait_for 5 "new Help window in front of the game window" above "$help" "$game"
click_title "$game"
wait_for 10 "game window in front of Help" above "$game" "$help"
active "$game" || fail "the game window came in front without the focus"

# About, centred.
help_menu_item 1
find_client about "About Trellic"
wait_for 10 "keyboard focus on About" active "$about"
wait_for 5 "frame for About" framed "$about"
check_title_bar About "$about"
check_secondary About "$about"
check_centred About "$about"

# Escape in the game window ends the program, with every window.
click_title "$game"
wait_for 10 "keyboard focus on the game window" active "$game"
xdotool key Escape
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for 30 "end of the program" ended
status=0
wait "$app_pid" || status=$?
app_pid=
((status == 0)) || fail "the program ended with status $status"
echo "run-wm-test: passed in $((SECONDS - started)) s"
