# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays rounds of the running game by keyboard and checks, through AT-SPI,
that a screen reader hears the board, the strikes, the figure, the score and
the answer line as a sighted player sees them, and that it is told of each
change. Usage: screen-reader-round.py WINDOW_ID (an X window id for xdotool).
"""
import re
import sys
import time

import pyatspi

from game_reader import Game, fail, key, wait_for

WINDOW = sys.argv[1]
# Spanish letters by how often they occur, then the digits: a round is won or
# lost long before the list runs out.
GUESSES = list("AEOSRNIDLCTUMPBGVYQHFZJXKW") + list("0123456789")


# --- what the screen reader is told --------------------------------------

changed = []  # names of the objects whose text or value changed


def on_change(event):
    changed.append(event.source.name)


pyatspi.Registry.registerEventListener(on_change, "object:text-changed", "object:property-change:accessible-value")


# --- the window as AT-SPI shows it ----------------------------------------

game = Game(WINDOW)
parts = game.parts
text = game.text
caption = game.caption
board = game.board
misses = game.misses


def drawn_parts():
    spoken = text("Ahorcado")
    match = re.fullmatch(r"(\d) de 8 fallos dibujados(, asustado|, ahorcado)?", spoken)
    if not match:
        fail("the figure reads %r" % spoken)
    return int(match.group(1)), match.group(2) or ""


def score():
    """The score as the screen reader reads it; while it counts, the text and
    the value may be read a point apart, so they are compared at rest."""
    spoken = re.fullmatch(r"Puntuación: (\d+)", text("Puntuación"))
    if not spoken:
        fail("the score reads %r" % text("Puntuación"))
    return int(spoken.group(1))


def expect_score(what, expected):
    wait_for(what, score, lambda s: s == expected, 30)
    value = parts["Puntuación"].queryValue().currentValue
    if value != expected:
        fail("the score reads %d but its value is %r" % (expected, value))


def hidden_answer_line():
    return not parts["Respuesta"].getState().contains(pyatspi.STATE_SHOWING) and text("Respuesta") == ""


def expect_figure(count, mood):
    expected = (count, mood)
    wait_for("the figure", drawn_parts, lambda p: p == expected, 3)


# --- the sound switch ------------------------------------------------------


def sound_checked():
    return parts["Sonido"].getState().contains(pyatspi.STATE_CHECKED)


if not sound_checked():
    fail("the speaker button is not checked while the sounds are on")
key("F3")
wait_for("the speaker button after F3", sound_checked, lambda c: not c, 3)
key("F3")
wait_for("the speaker button after F3 again", sound_checked, lambda c: c, 3)
print("Sonido: checked, unchecked by F3, checked again")

# --- a round played letter by letter --------------------------------------

if board() != [] or misses() != [] or drawn_parts() != (0, "") or score() != 0 or not hidden_answer_line():
    fail("before the first round: %r %r %r %r" % (text("Tablero"), text("Fallos"), text("Ahorcado"), text("Respuesta")))

# Before the first round the menu item is off: Enter on the play button starts it.
key("Return")
wait_for("the caption of a new round", caption, lambda c: c == "VELMORA")
words = wait_for("the laid-out board", board, lambda b: b != [])
if any(letter is not None for word in words for letter in word):
    fail("a new round shows letters: %r" % text("Tablero"))
print("Tablero at the start: " + text("Tablero"))

for guess in GUESSES:
    before, missed_before = board(), misses()
    changed.clear()
    key(guess.lower())
    # The key changes the board or the strikes; the figure follows them.
    after = wait_for("the board or the strikes after " + guess,
                     lambda: (board(), misses()), lambda s: s != (before, missed_before), 3)
    words, missed = after
    if words != before:
        if missed != missed_before:
            fail("a hit on %s also changed the strikes" % guess)
        for word_before, word_after in zip(before, words):
            for old, new in zip(word_before, word_after):
                if new != old and not (old is None and new == guess):
                    fail("%s changed the board from %r to %r" % (guess, before, words))
        wait_for("a text-changed event from Tablero", lambda: "Tablero" in changed, lambda seen: seen, 3)
    else:
        if missed != missed_before + [guess]:
            fail("a miss on %s left the strikes %r" % (guess, missed))
        wait_for("a text-changed event from Fallos", lambda: "Fallos" in changed, lambda seen: seen, 3)
        if len(missed) < 8:
            expect_figure(len(missed), "" if len(missed) < 7 else ", asustado")
    if re.fullmatch(r"VELMORA \([+-]\d+\)", caption()):
        break
else:
    fail("the round never ended; the caption reads %r" % caption())

final = caption()
print("Tablero at the end: " + text("Tablero"))
print(text("Fallos"))
points = int(re.fullmatch(r"VELMORA \(([+-]\d+)\)", final).group(1))
if points < 0:
    expect_figure(8, ", ahorcado")
    title = wait_for("the answer line", lambda: text("Respuesta"), lambda t: t != "")
    shown = [[c for c in w] for w in title.split(" ")]
    for word_shown, word_board in zip(shown, board()):
        if len(word_shown) != len(word_board) or any(b not in (None, s) for s, b in zip(word_shown, word_board)):
            fail("the answer %r does not fit the board %r" % (title, text("Tablero")))
    if len(shown) != len(board()):
        fail("the answer %r does not fit the board %r" % (title, text("Tablero")))
    print("Ahorcado: " + text("Ahorcado"))
    print("Respuesta: " + title)
# The score counts from 0 towards the caption's points and never below 0.
expect_score("the score after " + final, max(0, points))
# The score is told once it has counted, not at every point: one change is
# its old text removed, the new one inserted and its value.
if points > 0:
    wait_for("a change of the score", lambda: changed.count("Puntuación"), lambda told: told > 0, 3)
    if changed.count("Puntuación") > 3:
        fail("the score told %d events while it counted" % changed.count("Puntuación"))
print("After %s: %s" % (final, text("Puntuación")))

# --- a wrong whole title ---------------------------------------------------

key("F2")
wait_for("the caption of the second round", caption, lambda c: c == "VELMORA")
wait_for("the board of the second round", board, lambda b: b != [])
wait_for("the strikes of the second round", misses, lambda m: m == [])
before_answer = score()
key("exclam")
time.sleep(0.3)
for letter in "QQQQ":
    key(letter.lower())
key("Return")  # the answer
time.sleep(0.3)
key("Return")  # "Sí" on the confirmation
wait_for("the strikes after a wrong title", misses, lambda m: m == ["¡MUERTO!"])
expect_figure(8, ", ahorcado")
wait_for("the answer line after a wrong title", lambda: text("Respuesta"), lambda t: t != "")
# A wrong title loses the round with its penalty.
final = wait_for("the caption after a wrong title", caption, lambda c: re.fullmatch(r"VELMORA \(-\d+\)", c))
penalty = int(re.fullmatch(r"VELMORA \(-(\d+)\)", final).group(1))
expect_score("the score after " + final, max(0, before_answer - penalty))
print("After a wrong title: " + text("Fallos"))
print("Ahorcado: " + text("Ahorcado"))
print("Respuesta: " + text("Respuesta"))
print("After %s: %s" % (final, text("Puntuación")))
print("screen reader round played")
