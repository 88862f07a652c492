#!/usr/bin/env bash
# The real Trellic.exe from the Windows zip, under Wine, through a whole run with real
# keys and clicks: its version block and icon as Windows reads them from the file, the
# splash handing over on a key, both name prompts, the game window's and the Help
# window's borders as Windows reports them, a game won by clicks and announced in a
# box, and Escape ending the program with status 0.
#
#   play-exe.sh WINDOWS_BUILD_DIR      (inside wine-session.sh, on an X display)
set -euo pipefail
source "$(dirname "$0")/driver.sh" "$1"

# The version block and the icon, read from the file itself.
file_info=$(probe file "$(windows_path "$game_dir/Trellic.exe")")
for expected in FixedFileVersion=1.0.0.0 FixedProductVersion=1.0.0.0 "FileType=1 FileOS=0x4" \
    Translation=040904B0 "CompanyName=Kelvane Corp." ProductName=Trellic FileVersion=1.00 \
    ProductVersion=1.00 InternalName=Trellic OriginalFilename=Trellic.exe \
    "IconGroup=1: 30001(32x32,8bpp,2216 bytes)"; do
    grep -qxF -- "$expected" <<<"$file_info" || fail "version block or icon: no line '$expected' in:
$file_info"
done
[[ $(grep -c '^IconGroup=' <<<"$file_info") == 1 ]] || fail "more than one icon group: $file_info"

start_trellic
# The splash: no caption, no text of its own, no taskbar button. A key hands over at
# once, well before the splash's own 2 s are up.
milliseconds() { echo $((${EPOCHREALTIME/./} / 1000)); }
splash=$(pass_splash)
seen=$(milliseconds)
wait_window_gone 'text="" '
(($(milliseconds) - seen < 1000)) || fail "the splash did not go on the key"
# Its frame is Windows' fixed-dialog frame, and the client area inside it the designed one.
expect_styles "$splash" splash caption=0 dlgframe=1 sysmenu=0 sizable=0 taskbar=0 client=492x283
game=$(answer_prompts Ann Bob)

# The game window: a sizable window with a title bar, system menu and minimize box, no
# maximize box and no owner; its client area is 294 pixels wide, the menu bar above
# the designed 339.
expect_styles "$game" "game window" caption=1 sysmenu=1 minimize=1 maximize=0 sizable=1 \
    tool=0 owner=0 taskbar=1
client=$(field "$game" client)
[[ ${client%x*} == 294 ]] || fail "game window's client area is $client, not 294 wide"
menu_bar=$((${client#*x} - 339))
((menu_bar > 10 && menu_bar < 40)) || fail "game window's menu bar would be $menu_bar pixels high"

# Help > How to play, from the keyboard: an ordinary window without an owner, with a
# close box and neither minimize nor maximize box.
xdotool key alt Right Down Return
help=$(wait_window 'text="Help".* active=1')
expect_styles "$help" "Help window" caption=1 sysmenu=1 minimize=0 maximize=0 owner=0 taskbar=0
click_client "$help" $(((4680 + 1215 / 2) / 15)) $(((120 + 375 / 2) / 15)) # its OK
wait_window_gone 'text="Help"'

# Ann (X) takes the top row: cells 1, 2 and 3, with Bob (O) in 4 and 5.
for cell in 1 4 2 5 3; do
    click_cell "$game" "$cell"
done
box=$(wait_window 'text="Trellic" .* owner=1 .* active=1')
expect_styles "$box" "winner box" minimize=0 maximize=0
# A Windows message box copies its text on Ctrl+C.
xdotool key ctrl+c
grep -qxF "Ann is the winner!" <(probe clipboard) || fail "winner box says: $(probe clipboard)"
xdotool key Return
wait_window_gone 'text="Trellic" .* owner=1 '

xdotool key Escape
expect_exit_zero

# On a German Windows, and on an Arabic one, whose windows are mirrored: the prompts'
# titles and the winner box in that language, the name as typed. The top row, won from
# either side, is a win whichever way the board is laid out.
play_in() { # LOCALE CATALOGUE_LANGUAGE
    local catalogue
    catalogue=$(dirname "$0")/../../resources/translations/trellic_$2.ts
    PROMPT_TITLES=("$(translated "$catalogue" "Player 1 Name Input")"
                   "$(translated "$catalogue" "Player 2 Name Input")")
    winner=$(translated "$catalogue" "%1 is the winner!")
    start_trellic "$1"
    pass_splash >/dev/null
    game=$(answer_prompts Ann Bob)
    for cell in 1 4 2 5 3; do
        click_cell "$game" "$cell"
    done
    wait_window 'text="Trellic" .* owner=1 .* active=1' >/dev/null
    xdotool key ctrl+c
    grep -qxF "${winner//%1/Ann}" <(probe clipboard) || fail "$1 winner box says: $(probe clipboard)"
    xdotool key Return
    wait_window_gone 'text="Trellic" .* owner=1 '
    xdotool key Escape
    expect_exit_zero
}
play_in de_DE.UTF-8 de
play_in ar_EG.UTF-8 ar
echo "play-exe: a whole run passed, and one in German and one in Arabic"
