#!/usr/bin/env bash
# What a Windows screen reader (Narrator, NVDA) reads of the real Trellic.exe, through UI
# Automation as they read it, with real keys: every window a player meets named, with
# its controls' names and types; no drawn line among them and one "Score"; a whole game
# followed by the focus and the cells' names and news; the winner box's text; and New
# Game putting the focus on a free cell. Once in English and once on a German Windows.
#
#   uia-exe.sh WINDOWS_BUILD_DIR UIA_CLIENT_EXE     (inside wine-session.sh, on an X display)
set -euo pipefail
source "$(dirname "$0")/driver.sh" "$1"
uia_exe=$2
catalogues=$(cd "$(dirname "$0")/../../resources/translations" && pwd)
catalogue=

# Wine's UI Automation now and then leaves a call from outside unanswered (once so far,
# an ElementFromHandle in the middle of a game). A screen reader asks again, and so does
# a tree read, once; a second silence fails.
uia() {
    local said
    said=$(wine "$uia_exe" "$@" 2>/dev/null | tr -d '\r') || true
    if [[ $1 == tree && $said == *"did not answer within"* ]]; then
        echo "uia-exe: $said; asking again" >&2
        said=$(wine "$uia_exe" "$@" 2>/dev/null | tr -d '\r') || true
    fi
    printf '%s\n' "$said"
}

# The English TEXT as this run's language has it, with %1, %2 filled in by the rest.
say() {
    local text=$1 n=1
    [[ -z $catalogue ]] || text=$(translated "$catalogue" "$1")
    shift
    for arg; do
        text=${text//%$n/$arg}
        n=$((n + 1))
    done
    echo "$text"
}

# The tree of the window in front, which must hold every FRAGMENT given (plain text).
tree() {
    local what=$1
    shift
    holds "$what" "$(uia tree)" "$@"
}

# Checks that TREE, as read, holds every FRAGMENT, and prints it.
holds() {
    local what=$1 tree=$2 fragment
    shift 2
    grep -q '^FAIL' <<<"$tree" && fail "$what: $tree"
    for fragment; do
        grep -qF -- "$fragment" <<<"$tree" || fail "$what: nothing reads '$fragment' in:
$tree"
    done
    # A drawn line is no control: no unnamed grouping or separator with nothing in it
    # is offered (the unnamed groupings that hold the controls are the window's panes).
    if awk 'function depth(l) { match(l, /^ */); return RLENGTH }
            NR > 1 && empty && depth($0) <= depth(last) { found = 1 }
            { empty = $0 ~ /^ *(Group|Separator|Custom) name="" /; last = $0 }
            END { exit !(found || empty) }' <<<"$tree"; then
        fail "$what: unnamed empty parts are offered to a reader:
$tree"
    fi
    echo "$tree"
}

# The focus events, as they arrive, in a file; focused waits for the next one.
events=$work/focus
seen=0
watch_focus() {
    : >"$events"
    seen=0
    # Straight into the file, line by line as they come (a filter would hold them back).
    wine "$uia_exe" watch 300 2>/dev/null >"$events" &
    local deadline=$((SECONDS + 30))
    until grep -q '^ready' "$events"; do
        ((SECONDS < deadline)) || fail "the focus watch did not start: $(cat "$events")"
        sleep 0.1
    done
}
# Waits for the next focus event that names an element matching PATTERN (an extended
# regular expression on the name), and keeps that name in focus_name.
focus_name=
focused() {
    local pattern=$1 deadline=$((SECONDS + 15)) line name
    while ((SECONDS < deadline)); do
        while line=$(sed -n "$((seen + 2)){s/\r$//;p}" "$events") && [[ -n $line ]]; do
            seen=$((seen + 1))
            [[ $line != FAIL* ]] || fail "focus watch: $line"
            name=$(sed -n 's/^focus [A-Za-z]* name="\(.*\)" id=.*/\1/p' <<<"$line")
            if [[ $name =~ $pattern ]]; then
                focus_name=$name
                return 0
            fi
        done
        sleep 0.1
    done
    fail "no focus event named '$pattern'; events: $(cat "$events")"
}
# Takes every focus event so far as seen: the next one awaited comes after this.
forget_focus() {
    seen=$(($(wc -l <"$events") - 1))
}

play_in() { # LOCALE QT_CANCEL
    local locale=$1 cancel=$2 player name empty place move mark news after
    [[ -z $locale ]] || catalogue=$catalogues/trellic_${locale%%_*}.ts
    # The splash goes by itself after two seconds. A read that it cuts short, or that
    # starts too late for it, on a busy machine, is no verdict: Trellic starts again and
    # the splash is read again.
    local try splash
    for try in 1 2 3; do
        start_trellic "$locale"
        wait_window 'text="" ' >/dev/null
        splash=$(uia tree)
        [[ $try != 3 && ($splash == *"closed while its tree was read"* ||
            $splash != *' id="frmSplash" '*) ]] || break
        echo "uia-exe: the splash went while it was read; starting again" >&2
        kill "$trellic"
        wait "$trellic" || true
        wait_window_gone 'text='
    done
    holds "splash" "$splash" "Text name=\"$(say "Platform")\"" "Text name=\"$(say "Copyright")\"" \
        "Text name=\"$(say "Warning: Objects in screen appear closer than they actually are.")\"" \
        >/dev/null
    # The splash goes by itself (a key would land in the prompt if the splash's time
    # ran out while its tree was read).

    for player in 1 2; do
        name=$([[ $player == 1 ]] && echo Ann || echo Bob)
        wait_window "text=\"$(say "Player $player Name Input")\".* active=1" >/dev/null
        tree "prompt $player" "Window name=\"$(say "Player $player Name Input")\"" \
            "Edit name=\"$(say "What is your name Player $player?")\"" \
            'Button name="OK"' "Button name=\"$cancel\"" >/dev/null
        xdotool type --delay 20 "$name"
        xdotool key Return
    done

    wait_window 'text="Trellic" .* owner=0 .* active=1' >/dev/null
    empty=$(say "empty")
    local game
    game=$(tree "game window" 'Window name="Trellic"' "Group name=\"$(say "Score")\"" \
        "Text name=\"$(say "Player one: %1" Ann)" "Text name=\"$(say "Player two: %1" Bob)" \
        "$(say "Top left"), $empty" "$(say "Centre"), $empty" "$(say "Bottom right"), $empty")
    (($(grep -c "^ *Button name=\"[^\"]*, $empty\"" <<<"$game") == 9)) ||
        fail "the game window does not offer nine free cells: $game"
    (($(grep -c "name=\"$(say "Score")\"" <<<"$game") == 1)) ||
        fail "more than the score box is named '$(say "Score")': $game"

    # A whole game by keys: the focus moves to a free cell, Space marks it, and the
    # disabled cell hands the focus on to the next free one.
    # Ann (X) opens in the top left corner, so that she wins on the diagonal.
    watch_focus
    xdotool key Tab
    focused '.'
    for _ in 1 2 3 4 5 6 7 8 9 10 11 12; do
        [[ $focus_name != "$(say "Top left"), $empty" ]] || break
        xdotool key shift+Tab
        focused '.'
    done
    place=$focus_name
    [[ $place == "$(say "Top left"), $empty" ]] || fail "Tab never reaches the top left cell"
    for move in 1 2 3 4 5 6 7; do
        mark=$([[ $((move % 2)) == 1 ]] && echo X || echo O)
        place=${place%", $empty"}
        xdotool key space
        if ((move == 7)); then
            break
        fi
        news=$(say "%1, %2. " "$mark" "$(say_place "$place")")$(say "%1 to move." \
            "$([[ $mark == X ]] && echo Bob || echo Ann)")
        after=$(tree "after move $move" "Button name=\"$place, $mark\"")
        [[ $(grep -F "Button name=\"$place, $mark\"" <<<"$after") == *" description=\"$news\" "* ]] ||
            fail "after move $move, $place does not tell '$news': $after"
        focused ", $empty\$"
        place=$focus_name
    done

    wait_window 'text="Trellic" .* owner=1 .* active=1' >/dev/null
    tree "winner box" "$(say "%1 is the winner!" Ann)" 'Button name="OK"' >/dev/null
    xdotool key Return
    wait_window_gone 'text="Trellic" .* owner=1 '

    # New Game, from the File menu: the focus is on a free cell at once. (The winning
    # move handed the focus to a free cell too; that news is old.)
    wait_window 'text="Trellic" .* owner=0 .* active=1' >/dev/null
    forget_focus
    xdotool key alt Down Return
    focused ", $empty\$"

    xdotool key alt Right Down Return
    help=$(wait_window "text=\"$(say "Help")\".* active=1")
    tree "Help" "Window name=\"$(say "Help")\"" \
        "Text name=\"$(say "The loosing player will always go first.")\"" 'Button name="OK"' \
        >/dev/null
    click_client "$help" $(((4680 + 1215 / 2) / 15)) $(((120 + 375 / 2) / 15))
    wait_window_gone "text=\"$(say "Help")\""

    xdotool key alt Right Down Down Return
    wait_window "text=\"$(say "About %1" Trellic)\".* active=1" >/dev/null
    tree "About" "Window name=\"$(say "About %1" Trellic)\"" 'Button name="OK"' \
        "Text name=\"$(say "Trellic created by Pellworth")\"" \
        "Button name=\"$(say "&System Info..." | tr -d '&')\"" >/dev/null
    xdotool key Escape
    wait_window_gone "text=\"$(say "About %1" Trellic)\""

    xdotool key Escape
    expect_exit_zero
}

# Where a cell is, as the news of a move says it: the cell's place in lower case.
say_place() {
    local english
    for english in "Top left" "Top middle" "Top right" "Middle left" "Centre" "Middle right" \
        "Bottom left" "Bottom middle" "Bottom right"; do
        if [[ $(say "$english") == "$1" ]]; then
            say "${english,}"
            return 0
        fi
    done
    fail "no place is called '$1'"
}

play_in "" Cancel
play_in de_DE.UTF-8 Abbrechen
echo "uia-exe: every window read and a whole game followed, in English and in German"
