"""What the accessibility tests share: a wait that keeps the bus's events flowing, the
accessibility bus and its registry started as a desktop session starts them, and
reading the tree of a program's accessible objects.

Run inside a display and a private D-Bus session (tests/support/with-xvfb.sh and
dbus-run-session). Debian's Python: the AT-SPI bindings are Debian packages
(python3-pyatspi).
"""

import os
import signal
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Failure(Exception):
    pass


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, timeout=10.0):
    """Polls `probe` (events are dispatched meanwhile) until it gives a true value."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except GLib.Error:
            value = None  # an object that went away while being read
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.02)


def session_bus_has(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                          "org.freedesktop.DBus", "NameHasOwner",
                          GLib.Variant("(s)", (name,)), GLib.VariantType("(b)"),
                          Gio.DBusCallFlags.NONE, 2000, None)
    return reply.unpack()[0]


def a11y_bus_has(address, name):
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    try:
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", (name,)), GLib.VariantType("(b)"),
                              Gio.DBusCallFlags.NONE, 2000, None)
        return reply.unpack()[0]
    finally:
        bus.close_sync(None)


def a11y_bus_address():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                          None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 2000, None)
    return reply.unpack()[0]


def start_bus():
    """The accessibility bus and its registry, as a desktop session starts them."""
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        raise Failure("no D-Bus session (run under dbus-run-session)")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        raise Failure(f"{BUS_LAUNCHER} is missing (Debian package at-spi2-core)")
    launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    wait_for("the accessibility bus on the session bus", lambda: session_bus_has("org.a11y.Bus"))
    address = wait_for("the accessibility bus address", a11y_bus_address)
    # The registry is started on demand; Qt asks it which events anyone listens to.
    Atspi.get_desktop(0).get_child_count()
    wait_for("the registry daemon (at-spi2-registryd)",
             lambda: a11y_bus_has(address, "org.a11y.atspi.Registry"))
    return launcher


def stop_bus(launcher):
    """Ends the accessibility bus that start_bus started, and its registry with it."""
    launcher.send_signal(signal.SIGTERM)
    try:
        launcher.wait(timeout=5)
    except subprocess.TimeoutExpired:
        launcher.kill()
        launcher.wait()


def role(node):
    return node.get_role()


def name(node):
    return node.get_name() or ""


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def descendants(node):
    found = []
    pending = children(node)
    while pending:
        child = pending.pop(0)
        if child is None:
            continue
        found.append(child)
        pending.extend(children(child))
    return found


def find(node, predicate):
    for child in descendants(node):
        if predicate(child):
            return child
    return None


def has_state(node, state):
    return node.get_state_set().contains(state)


def find_app(pid):
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, title, roles):
    for child in children(app):
        if child is not None and role(child) in roles and name(child) == title:
            return child
    return None
