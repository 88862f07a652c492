#!/usr/bin/python3
"""Plays one game of the real program as a screen-reader user's tool does: over the
accessibility bus (AT-SPI) only.

Run inside a display and a private D-Bus session (tests/support/with-xvfb.sh and
dbus-run-session); starts the accessibility bus itself.

Usage: play_over_bus.py <trellic binary> [<catalogue.ts> <locale> <Qt's Cancel>]

With a catalogue the program runs in that locale (LANG) and every text it shows or
says is expected in the catalogue's language, Qt's Cancel button as given, and player
one's name, which looks like markup, exactly as typed. Exits 0 when every check passed,
1 with the reason otherwise: a bus that cannot be reached is a failure like any other.
"""

import os
import re
import subprocess
import sys
import time
import warnings
import xml.etree.ElementTree as ET

from atspi_session import (Atspi, Failure, GLib, descendants, find, find_app, has_state, name,
                           role, start_bus, stop_bus, wait_for, window)

# Debian 12's bindings mark Action.get_action_name deprecated without offering its
# successor under a usable name.
warnings.simplefilter("ignore", DeprecationWarning)

PRESS_LIMIT = 1.0  # seconds a Press may take to answer
NAMES = ["Ann", "Bob"]
CATALOGUE = {}  # English text to the language's, when the game runs in another


def tr(text, *args):
    """The text as the game shows it, with %1, %2... filled in at once, as Qt does."""
    text = CATALOGUE.get(text, text)
    return re.sub(r"%(\d)", lambda m: args[int(m.group(1)) - 1], text)


def read_catalogue(path):
    for message in ET.parse(path).getroot().iter("message"):
        CATALOGUE.setdefault(message.findtext("source"), message.findtext("translation"))


def has_interface(node, interface):
    return interface in node.get_interfaces()


def action_names(node):
    if not has_interface(node, "Action"):
        return []
    return [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]


def act(node, action):
    """Runs the action and returns how long the call took to answer."""
    names = action_names(node)
    if action not in names:
        raise Failure(f"'{name(node)}' offers no {action} action, only {names}")
    start = time.monotonic()
    Atspi.Action.do_action(node, names.index(action))
    return time.monotonic() - start


def answer_prompt(app, title, text):
    dialog = wait_for(f"the prompt '{title}'",
                      lambda: window(app, title, (Atspi.Role.DIALOG,)), timeout=15)
    edit = wait_for("its edit field",
                    lambda: find(dialog, lambda n: has_interface(n, "EditableText")))
    if not Atspi.EditableText.set_text_contents(edit, text):
        raise Failure(f"the edit field of '{title}' refused the text")
    buttons = [name(n) for n in descendants(dialog) if role(n) == Atspi.Role.PUSH_BUTTON]
    if sorted(buttons) != sorted([QT_OK, QT_CANCEL]):
        raise Failure(f"'{title}' has the buttons {buttons}, not {[QT_OK, QT_CANCEL]}")
    ok = find(dialog, lambda n: role(n) == Atspi.Role.PUSH_BUTTON and name(n) == QT_OK)
    act(ok, "Press")
    wait_for(f"'{title}' to close", lambda: window(app, title, (Atspi.Role.DIALOG,)) is None)


class Game:
    def __init__(self, frame, heard):
        self.frame = frame
        self.heard = heard  # the names of name-change events, in order
        self.slowest = 0.0

    def cell(self, place):
        place = tr(place)
        node = find(self.frame, lambda n: role(n) == Atspi.Role.PUSH_BUTTON and
                    name(n).startswith(tr("%1, %2", place, "")))
        if node is None:
            raise Failure(f"no cell '{place}'")
        return node

    def press(self, place, mark):
        cell = self.cell(place)
        place = tr(place)
        took = act(cell, "Press")
        print(f"Press on {place}: answered in {took * 1000:.0f} ms")
        if took > PRESS_LIMIT:
            raise Failure(f"Press on {place} took {took:.2f} s to answer")
        self.slowest = max(self.slowest, took)
        spoken = tr("%1, %2", place, mark)
        wait_for(f"{place} to read '{spoken}'", lambda: name(cell) == spoken)
        return took

    def hear(self, text):
        try:
            wait_for(f"the name-change event '{text}'", lambda: text in self.heard, timeout=5)
        except Failure as failure:
            raise Failure(f"{failure}; heard {self.heard}") from None


def play(binary):
    launcher = start_bus()
    game_process = None
    try:
        Atspi.set_timeout(5000, 5000)  # a call that hangs fails in seconds
        heard = []
        # The event carries the new name; the library keeps it as the source's name.
        listener = Atspi.EventListener.new(lambda event: heard.append(name(event.source)))
        listener.register("object:property-change:accessible-name")

        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   LANG=LOCALE)
        for overriding in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            env.pop(overriding, None)
        game_process = subprocess.Popen([binary], env=env)
        app = wait_for("the program on the accessibility bus",
                       lambda: find_app(game_process.pid), timeout=15)

        # The splash hands over to the two name prompts.
        answer_prompt(app, tr("Player 1 Name Input"), NAMES[0])
        answer_prompt(app, tr("Player 2 Name Input"), NAMES[1])
        frame = wait_for("the game window 'Trellic'",
                         lambda: window(app, "Trellic", (Atspi.Role.FRAME,)))
        game = Game(frame, heard)

        # The drawn lines are no controls: a reader meets neither them nor a second
        # "Score" among the window's parts.
        parts = [n for n in descendants(frame) if has_state(n, Atspi.StateType.SHOWING)]
        unnamed = [Atspi.Accessible.get_role_name(n) for n in parts
                   if role(n) in (Atspi.Role.SEPARATOR, Atspi.Role.FILLER) and not name(n)
                   and Atspi.Accessible.get_child_count(n) == 0]
        if unnamed:
            raise Failure(f"the game window shows unnamed empty parts: {unnamed}")
        scores = [n for n in parts if name(n) == tr("Score")]
        if len(scores) != 1 or role(scores[0]) != Atspi.Role.PANEL:
            raise Failure(f"'{tr('Score')}' names {[Atspi.Accessible.get_role_name(n) for n in scores]}"
                          ", not the score box alone")

        # A focus request moves the focus to a cell.
        target = game.cell("Bottom right")
        if not Atspi.Component.grab_focus(target):
            raise Failure("Component.grabFocus on 'Bottom right' was refused")
        wait_for("'Bottom right' to be focused", lambda: has_state(target, Atspi.StateType.FOCUSED))

        # X takes the diagonal from top right to bottom left.
        game.press("Centre", "X")
        game.hear(tr("%1, %2", tr("Centre"), "X"))
        game.hear(tr("%1, to move", tr("Player two: %1", NAMES[1])))
        game.press("Top left", "O")
        game.hear(tr("%1, to move", tr("Player one: %1", NAMES[0])))
        game.press("Top right", "X")
        game.press("Top middle", "O")
        took = game.press("Bottom left", "X")

        box = wait_for("the winner box", lambda: window(app, "Trellic", (Atspi.Role.ALERT,)))
        text = tr("%1 is the winner!", NAMES[0])
        labels = [n for n in descendants(box) if role(n) == Atspi.Role.LABEL]
        label = next((n for n in labels if name(n) == text), None)
        if label is None:
            raise Failure(f"no label of the winner box reads '{text}': {[name(n) for n in labels]}")
        spoken = [text for n in [box] + descendants(box)
                  for text in (name(n), n.get_description() or "")]
        if spoken.count(text) != 1:
            raise Failure(f"the winner's text is heard {spoken.count(text)} times: {spoken}")
        print(f"winner box: '{name(box)}', label '{name(label)}'")

        # While the box is open the board takes nothing.
        free = game.cell("Middle left")
        offered = action_names(free)
        if offered:
            raise Failure(f"a free cell offers {offered} while the winner box is open")
        if Atspi.Component.grab_focus(free):
            raise Failure("a free cell took a focus request while the winner box is open")

        ok = find(box, lambda n: role(n) == Atspi.Role.PUSH_BUTTON and name(n) == QT_OK)
        if ok is None:
            raise Failure("the winner box has no OK button")
        act(ok, "Press")
        wait_for("the winner box to close",
                 lambda: window(app, "Trellic", (Atspi.Role.ALERT,)) is None)

        # File > Exit ends the program.
        exit_item = find(frame, lambda n: role(n) == Atspi.Role.MENU_ITEM and
                         name(n) == tr("Exit"))
        if exit_item is None:
            raise Failure("no File > Exit menu item")
        try:
            act(exit_item, "Press")
        except GLib.Error:
            pass  # the program may end before it answers
        try:
            code = game_process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after File > Exit")
        game_process = None
        if code != 0:
            raise Failure(f"the program ended with status {code}")
        print(f"winning Press answered in {took * 1000:.0f} ms, slowest Press "
              f"{game.slowest * 1000:.0f} ms; the program ended cleanly")
        listener.deregister("object:property-change:accessible-name")
    finally:
        if game_process is not None:
            game_process.kill()
            game_process.wait()
        stop_bus(launcher)


QT_OK, QT_CANCEL = "OK", "Cancel"
LOCALE = "C.UTF-8"


def main():
    global QT_CANCEL, LOCALE
    if len(sys.argv) not in (2, 5):
        print("usage: play_over_bus.py <trellic binary> [<catalogue.ts> <locale> <Qt's Cancel>]",
              file=sys.stderr)
        return 2
    if len(sys.argv) == 5:
        read_catalogue(sys.argv[2])
        LOCALE, QT_CANCEL = sys.argv[3], sys.argv[4]
        NAMES[0] = "%1 <b>x</b> &amp;"
    try:
        play(sys.argv[1])
    except (Failure, GLib.Error) as error:
        print(f"FAIL: {error}", file=sys.stderr)
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
