#!/usr/bin/env bash
# The About window of the real Trellic.exe under Wine, finding and starting the system
# information tool through Wine's registry: by the path that Microsoft's tool records,
# then by the folder its installer records, then neither, which is announced. Pressed
# by a click on "&System Info..." and by Alt+S.
#
#   system-info.sh WINDOWS_BUILD_DIR      (inside wine-session.sh, on an X display)
set -euo pipefail
source "$(dirname "$0")/driver.sh" "$1"

marker=$build/trellic_launch_marker.exe
[[ -f $marker ]] || fail "no $marker"
mkdir "$work/Stand-in tool" "$work/MSINFO folder"
cp "$marker" "$work/Stand-in tool/SysInfo.exe"
cp "$marker" "$work/MSINFO folder/MSINFO32.EXE"

path_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
folder_key='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
registry() {
    wine reg "$@" >/dev/null 2>&1
}
registry delete "$path_key" /f || true
registry delete "$folder_key" /f || true

# Waits until the stand-in tool in FOLDER has run, then clears its trace.
expect_launch() {
    local folder=$1 deadline=$((SECONDS + 30))
    until [[ -f $folder/launched.txt ]]; do
        ((SECONDS < deadline)) || fail "nothing was started from $folder"
        sleep 0.1
    done
    rm "$folder/launched.txt"
}

# The launched tool takes the foreground, as on Windows: a click on the About window's
# picture brings it back before the next key.
activate_about() {
    click_client "$about" 30 30
    wait_window 'text="About Trellic".* active=1' >/dev/null
}

start_trellic
pass_splash >/dev/null
answer_prompts "" "" >/dev/null

# Help > About Trellic: an ordinary window without an owner, with a close box and
# neither minimize nor maximize box.
xdotool key alt Right Down Down Return
about=$(wait_window 'text="About Trellic".* active=1')
expect_styles "$about" "About window" caption=1 sysmenu=1 minimize=0 maximize=0 owner=0 taskbar=0

registry add "$path_key" /v PATH /t REG_SZ /d "$(windows_path "$work/Stand-in tool/SysInfo.exe")" /f
click_client "$about" $(((4260 + 1245 / 2) / 15)) $(((3075 + 345 / 2) / 15))
expect_launch "$work/Stand-in tool"
activate_about
xdotool key alt+s
expect_launch "$work/Stand-in tool"

registry delete "$path_key" /f
registry add "$folder_key" /v MSINFO /t REG_SZ /d "$(windows_path "$work/MSINFO folder")" /f
activate_about
xdotool key alt+s
expect_launch "$work/MSINFO folder"

registry delete "$folder_key" /f
activate_about
xdotool key alt+s
wait_window 'text="Trellic" .* owner=1 .* active=1' >/dev/null
xdotool key ctrl+c
grep -qxF "System Information Is Unavailable At This Time" <(probe clipboard) ||
    fail "the box says: $(probe clipboard)"
xdotool key Return
wait_window_gone 'text="Trellic" .* owner=1 '
[[ ! -e "$work/Stand-in tool/launched.txt" && ! -e "$work/MSINFO folder/launched.txt" ]] ||
    fail "a tool was started with neither value in the registry"

click_client "$about" $(((4245 + 1260 / 2) / 15)) $(((2625 + 345 / 2) / 15)) # its OK
wait_window_gone 'text="About Trellic"'
xdotool key Escape
expect_exit_zero
echo "system-info: every look-up passed"
