"""A stand-in for speech-dispatcher that speaks nothing and writes down every phrase.

A screen reader's speech client (python3-speechd) connects wherever
SPEECHD_ADDRESS=unix_socket:PATH points and talks SSIP: one command a line, answered by
lines of a three-digit code ("240-data" lines, then "240 OK ..."). SPEAK is answered
230, then the text follows up to a line holding only "." (a leading "." doubled), and
the server answers 225 with the message's number. The text is SSML; only its words are
kept, each phrase with the time it was spoken (time.monotonic()).
"""

import html
import re
import socket
import threading
import time

TAG = re.compile(r"<[^>]*>")


def words(ssml):
    """The words of an SSML phrase, blanks run together."""
    return " ".join(html.unescape(TAG.sub("", ssml)).split())


class SpeechRecorder:
    def __init__(self, path):
        self.path = path
        self.phrases = []  # (time, text), in the order spoken
        self.clients = 0
        self._lock = threading.Lock()
        self._next_message = 1
        self._server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._server.bind(path)
        self._server.listen()
        threading.Thread(target=self._accept, daemon=True).start()

    @property
    def address(self):
        return f"unix_socket:{self.path}"

    def close(self):
        self._server.close()

    def timed(self):
        """Every phrase so far with its time, oldest first."""
        with self._lock:
            return list(self.phrases)

    def since(self, start):
        """The phrases spoken at or after `start`, oldest first."""
        with self._lock:
            return [text for when, text in self.phrases if when >= start]

    def _accept(self):
        while True:
            try:
                connection, _ = self._server.accept()
            except OSError:
                return  # closed
            with self._lock:
                self.clients += 1
                client_id = self.clients
            threading.Thread(target=self._serve, args=(connection, client_id),
                             daemon=True).start()

    def _record(self, text):
        if text:
            with self._lock:
                self.phrases.append((time.monotonic(), text))

    def _message_number(self):
        with self._lock:
            number = self._next_message
            self._next_message += 1
        return number

    def _serve(self, connection, client_id):
        stream = connection.makefile("rwb", buffering=0)

        def reply(code, text, data=()):
            lines = [f"{code}-{item}" for item in data] + [f"{code} {text}"]
            stream.write("".join(line + "\r\n" for line in lines).encode())

        try:
            while True:
                line = stream.readline()
                if not line:
                    return
                command = line.decode("utf-8", "replace").rstrip("\r\n").split(" ")
                verb = command[0].upper()
                if verb == "SPEAK":
                    reply(230, "OK RECEIVING DATA")
                    text = []
                    while True:
                        data = stream.readline().decode("utf-8", "replace").rstrip("\r\n")
                        if data == ".":
                            break
                        text.append(data[1:] if data.startswith("..") else data)
                    self._record(words(" ".join(text)))
                    reply(225, "OK MESSAGE QUEUED", [self._message_number()])
                elif verb in ("CHAR", "KEY", "SOUND_ICON"):
                    self._record(" ".join(command[1:]))
                    reply(225, "OK MESSAGE QUEUED", [self._message_number()])
                elif verb == "HISTORY":
                    reply(240, "OK CLIENT ID SENT", [client_id])
                elif verb == "LIST":
                    reply(250, "OK MODULE LIST SENT")
                elif verb == "GET":
                    reply(251, "OK GET RETURNED", ["0"])
                elif verb == "QUIT":
                    reply(231, "HAPPY HACKING")
                    return
                else:  # SET, CANCEL, STOP, PAUSE, RESUME, BLOCK: taken as asked
                    reply(200, "OK")
        except OSError:
            pass
        finally:
            connection.close()
