# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Types composed letters on the play button of the running game, on a
Spanish keyboard, and reads through AT-SPI how they were judged: a dead tilde
then "n" is the guess Ñ, a dead acute then "a" is A, a dead diaeresis then "u"
is U, and a dead key alone is no guess at all. Then types the title, LA
MASCARA, into the answer box with a dead acute, and wins.
Usage: compose-keys.py WINDOW_ID (an X window id for xdotool)."""
import re
import sys
import time

from game_reader import Game, fail, key, wait_for

game = Game(sys.argv[1])

key("Return")
wait_for("the caption of a new round", game.caption, lambda c: not c.endswith(")"))
wait_for("the laid-out board", game.board, lambda b: b != [])


def state():
    return game.board(), game.misses()


def judged(letter, before):
    """Whether the last guess was the letter: it revealed the letter in every
    cell that changed, or it went into the next strike box."""
    words, missed = state()
    old_words, old_missed = before
    if missed != old_missed:
        return missed == old_missed + [letter] and words == old_words
    changed = [(old, new) for wo, wn in zip(old_words, words) for old, new in zip(wo, wn) if old != new]
    return bool(changed) and all(old is None and new == letter for old, new in changed)


def expect_nothing_after(what, keys):
    before = state()
    key(*keys)
    # Nothing is to happen, so the only way to see it is to give it time.
    time.sleep(0.5)
    if state() != before:
        fail("%s changed the round: %r then %r" % (what, before, state()))
    print("%s: no guess, no strike" % what)


# A dead key waits for the next key; Escape ends the wait, and is no guess.
expect_nothing_after("a lone dead tilde", ["dead_tilde"])
expect_nothing_after("Escape after it", ["Escape"])

for keys, letter in ((["dead_tilde", "n"], "Ñ"), (["dead_acute", "a"], "A"), (["dead_diaeresis", "u"], "U")):
    before = state()
    key(*keys)
    wait_for("the round after " + " ".join(keys), state, lambda s, b=before: s != b, 5)
    if not judged(letter, before):
        fail("%s was not judged as %s: %r then %r" % (" ".join(keys), letter, before, state()))
    print("%s judged as %s: %s / %s" % (" ".join(keys), letter, game.text("Tablero"), game.text("Fallos")))

print("composed keys judged")

# The title into the answer box, with a dead acute over its second A.
key("exclam", "l", "a", "space", "m", "dead_acute", "a", "s", "c", "a", "r", "a")
box = game.find("Frase a adivinar")
print("the answer box shows: " + wait_for("the box", lambda: box.queryText().getText(0, -1), lambda t: t == "la mascara"))
key("Return")
wait_for("the question", lambda: game.find("¿Está seguro?, morirá si se equivoca."), lambda o: o is not None)
key("Return")
print("won: " + wait_for("a won round", game.caption, lambda c: re.fullmatch(r"VELMORA.* \(\+\d+\)", c)))
