# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays rounds of the running game on the players' titles by keyboard and
reads each lost round's answer through AT-SPI, as a screen reader hears it.

Usage: players-titles-round.py WINDOW_ID MODE TITLES
  MODE list:        plays six rounds on the list the game started with;
                    every answer must be one of TITLES ("|" between them)
                    and no answer may follow itself.
  MODE two-players: opens the dialog of a round between two (Ctrl+D),
                    finds its named fields, types a title and plays it;
                    the answer must be TITLES.
Every round is lost by typing eight digits that no title holds.
"""
import re
import subprocess
import sys

import pyatspi

from game_reader import fail, find, wait_for

WINDOW, MODE, TITLES = sys.argv[1], sys.argv[2], sys.argv[3].split("|")
MISSES = [d for d in "0123456789" if not any(d in t for t in TITLES)][:8]


def named(name):
    return wait_for("an object named " + name, lambda: find(lambda o: o.name == name), lambda o: o is not None)


def text(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def caption():
    return subprocess.run(["xdotool", "getwindowname", WINDOW], capture_output=True, encoding="utf-8").stdout.strip()


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30"] + list(names), check=True)


if len(MISSES) < 8:
    fail("the titles hold too many digits to lose a round with digits: %r" % TITLES)
board = named("Tablero")
answer_line = named("Respuesta")
list_name = re.escape(caption()[len("VELMORA"):-len(" (NUEVO)")])


def lose_round():
    """Types eight misses into the round in progress and returns its answer."""
    wait_for("the board of the round", lambda: text(board), lambda t: t != "Vacío")
    key(*MISSES)
    wait_for("the caption of a lost round", caption,
             lambda c: re.fullmatch("VELMORA%s \\(-\\d+\\)" % list_name, c) is not None)
    return wait_for("the answer line", lambda: text(answer_line), lambda t: t != "")


if MODE == "list":
    answers = []
    for round_number in range(6):
        # Enter on the play button, which has the focus at start and again
        # once the score has counted.
        key("Return")
        wait_for("the caption of round %d" % (round_number + 1), caption,
                 lambda c: re.fullmatch("VELMORA%s" % list_name, c) is not None)
        answers.append(lose_round())
        if answers[-1] not in TITLES:
            fail("round %d was played on %r, not a title of the list" % (round_number + 1, answers[-1]))
        if len(answers) > 1 and answers[-1] == answers[-2]:
            fail("round %d was played on %r again" % (round_number + 1, answers[-1]))
    print("answers of six lost rounds: " + ", ".join(answers))
elif MODE == "two-players":
    key("ctrl+d")
    field = named("Título")
    shown = named("Mostrar el título")
    if field.getRole() != pyatspi.ROLE_PASSWORD_TEXT:
        fail("the title is typed into a %s, not a hidden field" % field.getRoleName())
    if shown.getRole() != pyatspi.ROLE_CHECK_BOX or shown.getState().contains(pyatspi.STATE_CHECKED):
        fail("the box that shows the title is a %s, checked from the start" % shown.getRoleName())
    subprocess.run(["xdotool", "type", "--delay", "40", "la vida, en 3 actos!"], check=True)
    verdict = wait_for("the verdict", lambda: find(lambda o: o.name.startswith("En el tablero: ")),
                       lambda o: o is not None)
    if "VIDA" in verdict.name:
        fail("the hidden title shows on the board preview: %r" % verdict.name)
    print("the dialog says: " + verdict.name)
    key("Return")
    wait_for("the caption of the round between two", caption, lambda c: c == "VELMORA")
    played = lose_round()
    if played != TITLES[0]:
        fail("the round between two was played on %r, not %r" % (played, TITLES[0]))
    print("the answer of the lost round between two: " + played)
else:
    fail("unknown mode " + MODE)
