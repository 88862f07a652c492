#!/usr/bin/env bash
# Trellic.exe at one of Windows' display scales (150 %, 200 %): the splash's and the game
# window's client areas are the designed ones times the scale, and on the screen every
# cell stays inside its grid lines.
#
#   scaled.sh WINDOWS_BUILD_DIR PERCENT      (inside wine-session.sh, on an X display)
set -euo pipefail
export TRELLIC_SCALE_PERCENT=$2
source "$(dirname "$0")/driver.sh" "$1"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * scale / 100)) \
    /f >/dev/null 2>&1

# A size of the probe within two pixels of WIDTHxHEIGHT times the scale.
expect_scaled() { # what WxH width height
    local width=${2%x*} height=${2#*x}
    ((width >= $(scaled "$3") - 2 && width <= $(scaled "$3") + 2 &&
        height >= $(scaled "$4") - 2 && height <= $(scaled "$4") + 2)) ||
        fail "$1 is $2 at $scale %, not $(scaled "$3")x$(scaled "$4")"
}

start_trellic
splash=$(pass_splash)
expect_scaled "the splash's client area" "$(field "$splash" client)" 492 283
game=$(answer_prompts Ann Bob)
client=$(field "$game" client)
menu_bar=$((${client#*x} - $(scaled 339)))
((menu_bar > 10 && menu_bar < $(scaled 40))) ||
    fail "the game window's client area is $client: a menu bar of $menu_bar pixels"
expect_scaled "the game window's client area below the menu bar" \
    "${client%x*}x$((${client#*x} - menu_bar))" 294 339

# The board as drawn: at each grid line, where it crosses the middle of a row or a
# column of cells, a dark line shows; at each cell's middle, the light face of a button.
xdotool mousemove 0 0
sleep 0.5
/usr/bin/python3 - "$(field "$game" origin)" "$menu_bar" "$scale" <<'PYTHON' || fail "the board at $scale %"
import sys
from PIL import ImageGrab
(x0, y0), menu_bar, scale = map(int, sys.argv[1].split(",")), int(sys.argv[2]), int(sys.argv[3]) / 100
shot = ImageGrab.grab(xdisplay=None).convert("L")
def at(x, y):  # the darkest pixel within one pixel of a point of the board, in 96-dpi units
    px, py = x0 + round(x * scale), y0 + menu_bar + round(y * scale)
    return min(shot.getpixel((px + dx, py + dy)) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
faults = []
for middle in (44, 132, 220):  # the middles of the rows and of the columns
    for line in (96, 192):
        if at(line, middle) > 80:
            faults.append(f"no vertical grid line at x={line}, y={middle}")
    for line in (88, 176):
        if at(middle + 4, line) > 80:
            faults.append(f"no horizontal grid line at y={line}, x={middle + 4}")
for column in range(3):
    for row in range(3):
        x, y = 8 + 96 * column + 20, 8 + 88 * row + 20
        if at(x, y) < 150:
            faults.append(f"no cell face at {x},{y}")
print("\n".join(faults) or "the board is whole", file=sys.stderr)
sys.exit(1 if faults else 0)
PYTHON
xdotool key Escape
expect_exit_zero
echo "scaled: at $scale %, the splash $(field "$splash" client), the game window $client with a menu bar of $menu_bar"
