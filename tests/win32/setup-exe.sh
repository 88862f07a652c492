#!/usr/bin/env bash
# The setup program, under Wine, as an administrator deploying Trellic uses it: a silent
# install into a folder whose name has blanks and a non-ASCII letter, the Start-menu
# shortcut read through the shell, the Apps & features entry read from the registry, the
# installed game started from its shortcut, a second install over the first, and a
# silent uninstall that leaves nothing of Trellic behind.
#
#   setup-exe.sh WINDOWS_BUILD_DIR      (inside wine-session.sh, on an X display)
set -euo pipefail
source "$(dirname "$0")/driver.sh" "$1"

setup=$(ls "$build"/Trellic-*-win64-setup.exe 2>/dev/null | head -1)
[[ -f $setup ]] || fail "no setup program in $build (bash scripts/build-windows.sh makes it)"
drive_c=$WINEPREFIX/drive_c
folder='C:\Spiele für Alle\Trellic'
installed=$drive_c/Spiele\ für\ Alle/Trellic
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Trellic\Trellic.lnk'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# A command run by Windows' own command interpreter: the setup program's /D= must stand
# unquoted and last, which no argument list passed through Wine keeps. The batch file is
# in the console's code page, where ü is 0x81.
run_batch() {
    printf '@%s\r\n' "$1" | iconv -f UTF-8 -t CP850 >"$work/run.bat"
    wine cmd /c "$(windows_path "$work/run.bat")" >/dev/null 2>&1
}
install() {
    run_batch "\"$(windows_path "$setup")\" /S /D=$folder"
    [[ -f $installed/Trellic.exe ]] || fail "the silent install put no Trellic.exe in $folder"
}
uninstall_entries() {
    wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
        grep -c '^ *DisplayName *REG_SZ *Trellic$' || true
}

install
# Everything the zip holds, and the uninstaller.
(cd "$game_dir" && find . -type f | sort) >"$work/zip.list"
(cd "$installed" && find . -type f ! -name Uninstall.exe | sort) >"$work/installed.list"
diff "$work/zip.list" "$work/installed.list" >&2 || fail "the install differs from the zip"
[[ -f $installed/Uninstall.exe ]] || fail "no uninstaller"

# The shortcut, as the shell reads it.
link=$(probe shortcut "$shortcut") || fail "no shortcut $shortcut"
grep -qxF "Target=$folder\\Trellic.exe" <<<"$link" || fail "shortcut: $link"

# The entry in Apps & features.
entry=$(wine reg query "$uninstall_key\\Trellic" 2>/dev/null | tr -d '\r') || fail "no Apps & features entry"
for expected in 'DisplayName *REG_SZ *Trellic' 'DisplayVersion *REG_SZ *1\.0\.0' \
    'Publisher *REG_SZ *Kelvane Corp\.' 'DisplayIcon *REG_SZ *C:\\Spiele .*\\Trellic\\Trellic\.exe' \
    'UninstallString *REG_SZ *"C:\\Spiele .*\\Trellic\\Uninstall\.exe"' \
    'QuietUninstallString *REG_SZ *"C:\\Spiele .*\\Trellic\\Uninstall\.exe" /S' \
    'EstimatedSize *REG_DWORD *0x[0-9a-f]+' 'NoModify *REG_DWORD *0x1' 'NoRepair *REG_DWORD *0x1'; do
    LC_ALL=C grep -qE "^ *$expected\$" <<<"$entry" || fail "Apps & features: no '$expected' in:
$entry"
done
size_kb=$(($(sed -n 's/^ *EstimatedSize *REG_DWORD *//p' <<<"$entry")))
actual_kb=$(du -sk "$installed" | cut -f1)
((size_kb > actual_kb / 2 && size_kb < actual_kb * 2)) ||
    fail "EstimatedSize is $size_kb KB for $actual_kb KB installed"

# The installed game, started from its shortcut: the splash, then the first prompt.
wine start "$shortcut" >/dev/null 2>&1
pass_splash >/dev/null
game=$(answer_prompts "" "")
xdotool key Escape
wait_window_gone 'text="Trellic"'

# Installed again over itself: still one entry.
install
(($(uninstall_entries) == 1)) || fail "$(uninstall_entries) Apps & features entries after a second install"

# The uninstaller runs from a copy of itself, which goes on after the command returns:
# done once the folder, the Start-menu folder and the entry have all gone.
run_batch "\"$folder\\Uninstall.exe\" /S"
menu_folder=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Trellic
deadline=$((SECONDS + 60))
while [[ -e $installed || -e $menu_folder ]] || (($(uninstall_entries) > 0)); do
    ((SECONDS < deadline)) || break
    sleep 0.2
done
[[ ! -e $installed ]] || fail "the uninstall left: $(cd "$installed" && find . | head)"
[[ ! -e $menu_folder ]] || fail "the uninstall left the Start-menu folder"
(($(uninstall_entries) == 0)) || fail "the uninstall left the Apps & features entry"
for key in "$uninstall_key\\Trellic" 'HKLM\Software\Kelvane Corp.'; do
    if wine reg query "$key" >/dev/null 2>&1; then
        fail "the uninstall left $key"
    fi
done
echo "setup-exe: installed, started, reinstalled and uninstalled without a trace"
