#!/usr/bin/env bash
# Takes the README's pictures of the game window as Windows draws it: Trellic.exe from
# the Windows zip (scripts/build-windows.sh) on a Wine desktop, a few moves into a game,
# at 96 dpi as docs/trellic-windows.png and at Windows' 150 % display scale as
# docs/trellic-windows@1.5x.png.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} != --inside ]]; then
    bash scripts/build-windows.sh
    for percent in 100 150; do
        bash tests/support/with-xvfb.sh 1024x768 \
            bash tests/support/wine-session.sh bash "$0" --inside "$percent"
    done
    exit 0
fi

export TRELLIC_SCALE_PERCENT=$2
source tests/win32/driver.sh build-windows
picture=docs/trellic-windows.png
if ((scale != 100)); then
    picture=docs/trellic-windows@$(python3 -c "print($scale / 100)")x.png
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d $((96 * scale / 100)) /f >/dev/null 2>&1
fi
start_trellic
pass_splash >/dev/null
game=$(answer_prompts Ann Bob)
for cell in 5 1 3; do # X in the centre, O top left, X top right
    click_cell "$game" "$cell"
done
xdotool mousemove 0 0
# The window as it stands, its frame included, once Bob's name has turned bold.
game=$(wait_window 'text="Trellic" .* owner=0 .* active=1')
frame=$(field "$game" frame)
sleep 0.5
/usr/bin/python3 - "$frame" "$picture" <<'PYTHON'
import sys
from PIL import ImageGrab
left, top, right, bottom = map(int, sys.argv[1].split(","))
ImageGrab.grab(bbox=(left, top, right, bottom), xdisplay=None).save(sys.argv[2], optimize=True)
PYTHON
xdotool key Escape
expect_exit_zero
echo "Saved $picture"
