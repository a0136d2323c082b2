# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""The running game as a screen reader finds it on the accessibility bus,
and the keyboard as xdotool drives it, for the real-window tests written in
Python. Import it once the program is on the bus."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

HIDDEN = "guion"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def pump_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, read, accept, seconds=15.0):
    deadline = time.monotonic() + seconds
    value = read()
    while not accept(value):
        if time.monotonic() > deadline:
            fail("%s: still %r" % (what, value))
        pump_events()
        time.sleep(0.02)
        value = read()
    return value


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Velmora":
            return app
    return None


def find(accept, root=None):
    """The first object below root (the program, unless given) that accept
    takes, or None."""
    def walk(node):
        for child in node:
            if child is None:
                continue
            if accept(child):
                return child
            found = walk(child)
            if found is not None:
                return found
        return None

    root = root if root is not None else application()
    return walk(root) if root is not None else None


class Game:
    """The parts of the game's window that a screen reader reads."""

    PARTS = ("Tablero", "Fallos", "Ahorcado", "Puntuación", "Respuesta", "Sonido")

    def __init__(self, window):
        self.window = window
        self.app = wait_for("the program on the accessibility bus", application, lambda a: a is not None)
        self.parts = {}
        for name in self.PARTS:
            self.parts[name] = wait_for("an object named " + name, lambda n=name: self.find(n),
                                        lambda o: o is not None)

    def find(self, name):
        return find(lambda o: o.name == name, self.app)

    def text(self, name):
        t = self.parts[name].queryText()
        return t.getText(0, t.characterCount)

    def caption(self):
        return subprocess.run(["xdotool", "getwindowname", self.window], capture_output=True,
                              text=True).stdout.strip()

    def board(self):
        """The board as a list of words, each a list of letters or None."""
        spoken = self.text("Tablero")
        if spoken == "Vacío":
            return []
        match = re.fullmatch(r"(\d+) palabras?: (.*)", spoken)
        if not match:
            fail("the board reads %r" % spoken)
        words = [[None if c == HIDDEN else c for c in w.split(" ")] for w in match.group(2).split(", ")]
        if int(match.group(1)) != len(words):
            fail("the board counts %s words in %r" % (match.group(1), spoken))
        return words

    def misses(self):
        spoken = self.text("Fallos")
        match = re.fullmatch(r"Fallos: (\d) de 8(?:: (.*))?", spoken)
        if not match:
            fail("the strikes read %r" % spoken)
        listed = match.group(2).split(", ") if match.group(2) else []
        if int(match.group(1)) != len(listed) and listed != ["¡MUERTO!"]:
            fail("the strikes count %s but list %r" % (match.group(1), listed))
        return listed


def key(*names):
    subprocess.run(["xdotool", "key"] + list(names), check=True)
