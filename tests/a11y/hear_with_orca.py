#!/usr/bin/python3
"""Plays a whole game of the real program by keyboard alone, as a blind player does,
with the real screen reader (Orca) listening, and checks what it says after each key:
after every move the mark, where it went and who is to move; the winner box with its
text; after New Game a free cell and the player to move.

Orca speaks through speech-dispatcher, which needs audio; here a stand-in of the test's
own (speech_recorder.py) takes its speech instead and writes down each phrase with the
time it was spoken. Orca gets a home and settings folder of its own, so it starts with
its defaults whoever runs the test, and settings in memory; it then starts quietly, only
saying that it is on. A window manager (Metacity) gives the game window back the focus
when a box closes, as on any desktop.

Run inside a display and a private D-Bus session (tests/support/with-xvfb.sh and
dbus-run-session). Usage: hear_with_orca.py <trellic binary>. Exits 0 when every check
passed, 1 with the reason otherwise: an Orca that cannot be started is a failure.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from atspi_session import Failure, GLib, start_bus, stop_bus, wait_for
from speech_recorder import SpeechRecorder

NAMES = ("Ann", "Bob")
HEARING_LIMIT = 10.0  # seconds Orca may take to say what a key brought
REREAD_AFTER = 2.5  # seconds before a control Orca has just read is read afresh
# What a player needs is the words and their order. Orca's punctuation and the words it
# adds for a control's role vary between its versions ("dialog." or "dialog", "text",
# "selected"), so both sides are compared as words, less those.
ROLE_WORDS = {"alert", "button", "dialog", "frame", "push", "selected", "text"}


def words(text):
    return [word for word in re.findall(r"\w+", text.lower()) if word not in ROLE_WORDS]


def find_words(heard, phrase, start):
    """Where the words of `phrase` begin, one after the other, in `heard` from `start`
    on, or -1."""
    wanted = words(phrase)
    for at in range(start, len(heard) - len(wanted) + 1):
        if heard[at:at + len(wanted)] == wanted:
            return at
    return -1


def says(phrases, phrase):
    """Whether the spoken `phrases` hold the words of `phrase`."""
    return find_words(words(" ".join(phrases)), phrase, 0) >= 0


class Listener:
    """Keys and prompts, each followed by what Orca said from then on."""

    def __init__(self, speech):
        self.speech = speech
        self.began = time.monotonic()

    def transcript(self):
        phrases = self.speech.timed()
        return "\n".join(f"  {when - self.began:7.2f} s  {text}" for when, text in phrases)

    def hear(self, start, what, expected, timeout=HEARING_LIMIT, quiet=0.0):
        """Waits until the phrases spoken since `start` hold `expected` in order, and
        then until Orca has said nothing more for `quiet` seconds; returns all that was
        spoken since `start`."""
        def said():
            timed = [(when, text) for when, text in self.speech.timed() if when >= start]
            heard = words(" ".join(text for _, text in timed))
            at = 0
            for phrase in expected:
                at = find_words(heard, phrase, at)
                if at < 0:
                    return None
                at += len(words(phrase))
            if time.monotonic() - timed[-1][0] < quiet:
                return None
            return [text for _, text in timed]

        try:
            heard = wait_for(f"Orca to say {expected} after {what}", said, timeout)
        except Failure as failure:
            raise Failure(f"{failure}; it said {self.speech.since(start)}") from None
        print(f"{what}: {heard}")
        return heard

    def key(self, keys, *expected):
        start = time.monotonic()
        subprocess.run(["xdotool", "key", keys], check=True)
        return self.hear(start, keys, expected)

    def close_with(self, keys, *expected, quiet=0.0):
        """Presses keys that close a box or prompt, and lets them go only once Orca has
        spoken of what came next. Qt holds each key event until the screen reader has
        seen it, and never frees one whose window has gone meanwhile (Qt 6.4), as a
        release sent at once would be: a leak under the sanitizers."""
        start = time.monotonic()
        subprocess.run(["xdotool", "keydown", keys], check=True)
        try:
            return self.hear(start, keys, expected, quiet=quiet)
        finally:
            subprocess.run(["xdotool", "keyup", keys], check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def start_window_manager():
    env = dict(os.environ, GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="1")
    manager = subprocess.Popen(["metacity", "--sm-disable", "--no-composite"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def running():
        if manager.poll() is not None:
            raise Failure("metacity ended at start")
        check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                               capture_output=True, text=True).stdout
        return "# " in check

    wait_for("the window manager", running)
    return manager


def start_orca(scratch, speech, log):
    home = os.path.join(scratch, "home")
    runtime = os.path.join(scratch, "runtime")
    os.makedirs(home)
    os.makedirs(runtime, mode=0o700)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_RUNTIME_DIR=runtime,
               GSETTINGS_BACKEND="memory", SPEECHD_ADDRESS=speech.address)
    # Keys are not echoed. Orca 48 presents a key it gets to only after the window the
    # key opened, and in doing so takes that window's focused control as known, so its
    # news is never spoken; that is Orca's race, not the program's.
    settings = os.path.join(home, ".local", "share", "orca")
    os.makedirs(settings)
    with open(os.path.join(settings, "user-settings.conf"), "w") as conf:
        json.dump({"general": {"enableKeyEcho": False}, "pronunciations": {}, "keybindings": {},
                   "profiles": {"default": {"profile": ["Default", "default"],
                                            "enableKeyEcho": False}}}, conf)
    start = time.monotonic()
    orca = subprocess.Popen(["orca", "--replace"], env=env, stdout=log, stderr=log)

    def on():
        if orca.poll() is not None:
            raise Failure(f"Orca ended with status {orca.returncode}")
        return "Screen reader on." in speech.since(start)

    wait_for("Orca to say it is on", on, timeout=30)
    print(f"Orca is on after {time.monotonic() - start:.1f} s")
    return orca


def play(binary, scratch):
    for tool in ("orca", "metacity", "xdotool", "xprop", "xkbset"):
        if shutil.which(tool) is None:
            raise Failure(f"{tool} not found (scripts/setup.sh installs it)")
    speech = SpeechRecorder(os.path.join(scratch, "speech.sock"))
    listener = Listener(speech)
    launcher = None
    processes = []
    log = open(os.path.join(scratch, "orca.log"), "w")
    try:
        launcher = start_bus()
        processes.append(start_window_manager())
        processes.append(start_orca(scratch, speech, log))
        # A key that closes a box is held until Orca has answered: it must not repeat.
        subprocess.run(["xkbset", "-repeatkeys"], check=True)

        # Qt finds the screen reader on the bus by itself.
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        start = time.monotonic()
        game = subprocess.Popen([binary], env=env)
        processes.append(game)

        # The splash hands over to the name prompts.
        listener.hear(start, "the start", ["Player 1 Name Input dialog.",
                                           "What is your name Player 1?"], timeout=20)
        listener.type(NAMES[0])
        listener.close_with("Return", "Player 2 Name Input dialog.", "What is your name Player 2?")
        listener.type(NAMES[1])
        ann, bob = f"{NAMES[0]} to move.", f"{NAMES[1]} to move."
        listener.close_with("Return", "Trellic frame.", "Top left, empty push button.", ann)

        # Space plays the focused cell and the focus goes on to the next free one; Tab
        # moves among the free cells. Each key brings the focus to a free cell, which
        # tells the last move and who is next. Bob takes the middle column with the
        # eighth move.
        steps = [
            ("space", "Top middle", f"X, top left. {bob}"),
            ("space", "Top right", f"O, top middle. {ann}"),
            ("space", "Middle left", f"X, top right. {bob}"),
            ("Tab", "Centre", f"X, top right. {bob}"),
            ("space", "Middle right", f"O, centre. {ann}"),
            ("shift+Tab", "Middle left", f"O, centre. {ann}"),
            ("space", "Middle right", f"X, middle left. {bob}"),
            ("space", "Bottom left", f"O, middle right. {ann}"),
            ("Tab", "Bottom middle", f"O, middle right. {ann}"),
            ("Tab", "Bottom right", f"O, middle right. {ann}"),
            ("space", "Bottom left", f"X, bottom right. {bob}"),
            ("Tab", "Bottom middle", f"X, bottom right. {bob}"),
        ]
        # Orca 48 reuses what it last said of a control for up to two seconds, so a
        # cell is come back to only after that, at a player's pace.
        read_at = {}

        def at_pace(*cells):
            last = max((read_at.get(cell, 0.0) for cell in cells or read_at), default=0.0)
            time.sleep(max(0.0, last + REREAD_AFTER - time.monotonic()))

        for keys, cell, news in steps:
            at_pace(cell)
            listener.key(keys, f"{cell}, empty push button.", news)
            read_at[cell] = time.monotonic()
        heard = listener.key("space", "alert Trellic.", f"{NAMES[1]} is the winner!",
                             "OK push button.")
        # The winning move locks the focused cell, which Orca may read again as it does.
        read_at[steps[-1][1]] = time.monotonic()
        if says(heard, "to move"):
            raise Failure(f"a player to move was heard after the winning move: {heard}")

        # OK; the board is locked. Whether a locked cell keeps the focus then depends on
        # when the window manager gives the window back its focus; if it does, it tells
        # that the game is over, and no one is to move. The loser opens the next game.
        at_pace()  # the focus may come back to any cell
        heard = listener.close_with("Return", "Trellic frame.", quiet=1.0)
        if says(heard, "to move"):
            raise Failure(f"a player to move was heard on the locked board: {heard}")
        at_pace("Top left")
        listener.key("ctrl+n", "Top left, empty push button.", ann)

        # Ctrl+X ends the program on the press; the keys are let go once it has gone,
        # since Qt does not free the key events it still holds at the end.
        subprocess.run(["xdotool", "keydown", "ctrl+x"], check=True)
        try:
            code = game.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Ctrl+X") from None
        finally:
            subprocess.run(["xdotool", "keyup", "ctrl+x"], check=True)
        if code != 0:
            raise Failure(f"the program ended with status {code}")
    except Exception:
        print("Orca said:\n" + listener.transcript(), file=sys.stderr)
        log.flush()
        with open(log.name) as output:
            print("Orca's output:\n" + output.read()[-3000:], file=sys.stderr)
        raise
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.kill()
            process.wait()
        if launcher is not None:
            stop_bus(launcher)
        speech.close()
        log.close()
    print("Orca said:\n" + listener.transcript())


def main():
    if len(sys.argv) != 2:
        print("usage: hear_with_orca.py <trellic binary>", file=sys.stderr)
        return 2
    scratch = tempfile.mkdtemp(prefix="trellic-orca-")
    try:
        play(sys.argv[1], scratch)
    except (Failure, GLib.Error, OSError, subprocess.CalledProcessError) as error:
        print(f"FAIL: {error}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
