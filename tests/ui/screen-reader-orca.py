# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program by keys alone through the real screen reader, as a
blind player in Spain has it, and checks what the screen reader says and
shows in braille: Orca in a Spanish locale with key echo and braille on,
speaking through speech-dispatcher's dummy module, its debug log read as it
is written. Each key waits until Orca has said what it must, so a slow
machine only makes the test slower.
Usage: screen-reader-orca.py PROGRAM WORK_FOLDER (inside a private session
with its accessibility bus and a window manager on the display)."""
import os
import datetime
import json
import re
import signal
import subprocess
import sys
import threading
import time
import tty

from game_reader import fail, key, wait_for

PROGRAM, WORK = sys.argv[1], sys.argv[2]
TITLE = "LA LA LAND"  # A and L three times each
MISSES = "XQZKWJBV"
HIDDEN = "JQXW"
SECONDS = 60  # a busy machine may need all of it
# Orca's role word for a notification, which must never come before a sentence.
ROLE_WORD = "notificación"


def spanish_locale():
    """The environment of a Spanish player, with a locale made in WORK: this
    machine may have none installed, and without it Orca says its own words
    in English."""
    folder = os.path.join(WORK, "locale")
    os.makedirs(folder)
    made = subprocess.run(["localedef", "-i", "es_ES", "-f", "UTF-8", os.path.join(folder, "es_ES.UTF-8")],
                          capture_output=True)
    if not os.path.isdir(os.path.join(folder, "es_ES.UTF-8")):
        print("SKIP: cannot make a Spanish locale: %s" % made.stderr.decode(errors="replace"))
        sys.exit(77)
    return dict(os.environ, LOCPATH=folder, LANG="es_ES.UTF-8", LC_ALL="es_ES.UTF-8")


ENVIRONMENT = spanish_locale()


class Orca:
    """Orca with its debug log written to a terminal: Python writes a file
    that is a terminal line by line, so what Orca says can be read at once."""

    def __init__(self):
        master, terminal = os.openpty()
        tty.setraw(terminal)
        self.lines = []
        self.log = open(os.path.join(WORK, "orca.log"), "w", encoding="utf-8")
        threading.Thread(target=self._read, args=(master,), daemon=True).start()
        config = os.path.join(WORK, "config")
        os.makedirs(os.path.join(config, "speech-dispatcher"))
        with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as conf:
            conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')
        # Braille on, with no display needed: Orca logs what a display would show.
        prefs = os.path.join(WORK, "orca")
        os.makedirs(prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as conf:
            general = {"enableBraille": True, "enableKeyEcho": True, "firstStart": False}
            json.dump({"general": general, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": dict(general, profile=["Default", "default"])}}, conf)
        env = dict(ENVIRONMENT, HOME=WORK, XDG_CONFIG_HOME=config)
        self.process = subprocess.Popen(["orca", "-u", prefs,
                                         "--debug-file=" + os.ttyname(terminal)], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.terminal = terminal
        self.mark = 0
        self.wait_for("Orca to start speaking", lambda said: said)

    def _read(self, master):
        pending = ""
        while True:
            try:
                chunk = os.read(master, 65536).decode("utf-8", "replace")
            except OSError:
                return
            self.log.write(chunk)
            pending += chunk
            *complete, pending = pending.split("\n")
            self.lines.extend(complete)

    def said(self, timed=False):
        """What Orca said since the last mark, one utterance a line, with the
        time of day it said it if asked."""
        found = [(m.group(1), m.group(2)) for line in self.lines[self.mark:]
                 for m in [re.search(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)'\s*[\[{]", line)] if m]
        return [(datetime.datetime.strptime(when, "%H:%M:%S.%f").time(), what) if timed else what
                for when, what in found]

    def brailled(self):
        """The braille lines Orca showed since the last mark."""
        return [m.group(1) for line in self.lines[self.mark:]
                for m in [re.search(r"BRAILLE LINE:\s+'(.*)'", line)] if m]

    def wait_for(self, what, accept):
        deadline = time.monotonic() + SECONDS
        while not accept(self.said()):
            if time.monotonic() > deadline or self.process.poll() is not None:
                fail("Orca never said %s; it said %r" % (what, self.said()))
            time.sleep(0.05)

    def after(self, keys, *expected, braille=True):
        """Presses the keys, then waits until Orca has said every expected
        pattern, each in one utterance, and, for a game's sentence, shown it
        in braille; returns the time of day of the last key."""
        self.mark = len(self.lines)
        key(*keys)
        pressed = datetime.datetime.now().time()
        for pattern in expected:
            self.wait_for(repr(pattern), lambda said: any(re.search(pattern, s) for s in said))
            if braille and pattern.endswith(r"\."):
                self.wait_for("a braille line " + repr(pattern), lambda _: any(
                    re.search(pattern, line) for line in self.brailled()))
        return pressed

    def answered(self, typed, outcome, taken_back=False):
        """Types a whole title into the answer box and says "Sí", if asked
        after saying "No" once, which must read the typed line back whole;
        the outcome must be the first thing Orca says after the window's
        name, within a second of it. The time from the key to the window's
        name is the display's, the window manager's and Orca's, and grows with
        the machine's load; it is reported beside."""
        self.after(["exclam"], r"Cuadro de respuesta abierto")
        for character in typed:
            self.after(["space" if character == " " else character.lower()])
            time.sleep(0.1)
        self.after(["Return"], r"¿Está seguro\?")
        if taken_back:
            self.after(["Escape"], r"\b%s\b" % re.escape(typed))
            self.after(["Return"], r"¿Está seguro\?")
        pressed = self.after(["Return"], outcome, r"^VELMORA")
        said = self.said(timed=True)
        window = next(i for i, (_, what) in enumerate(said) if what.startswith("VELMORA"))
        if window + 1 == len(said):
            fail("Orca said the outcome before the window's name: %r" % said)
        when, first = said[window + 1]
        if not re.search(outcome, first):
            fail("after the window's name Orca said %r before the outcome: %r" % (first, said))
        def since(earlier):
            return (datetime.datetime.combine(datetime.date.today(), when) -
                    datetime.datetime.combine(datetime.date.today(), earlier)).total_seconds()
        if since(said[window][0]) > 1:
            fail("the outcome came %.2f s after the window's name, %.2f s after the key"
                 % (since(said[window][0]), since(pressed)))
        return "%.2f s after the window's name, %.2f s after the key" % (since(said[window][0]), since(pressed))

    def stop(self):
        # Orca may hang on its way out; what it said is in the log already.
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(SECONDS)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self.terminal)
        pid_file = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid", "speech-dispatcher.pid")
        try:
            os.kill(int(open(pid_file).read()), signal.SIGTERM)
        except (OSError, ValueError):
            pass  # it has ended with Orca


with open(os.path.join(WORK, "titles.txt"), "w") as titles:
    titles.write(TITLE + "\n")
orca = Orca()
errors = open(os.path.join(WORK, "stderr.txt"), "w")
game = subprocess.Popen([PROGRAM, "--titulos", titles.name], stderr=errors, env=ENVIRONMENT)
try:
    window = wait_for("the main window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^VELMORA"], capture_output=True, text=True).stdout.split(),
        lambda found: found, SECONDS)[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True, timeout=SECONDS)
    orca.wait_for("the play button", lambda said: any("JUGAR" in s for s in said))

    start = r"Nueva partida: 3 palabras: 2, 2 y 4 letras\."
    orca.after(["Return"], start)
    orca.after(["a"], r"Acierto: A, 3 casillas: palabra 1, letra 2; palabra 2, letra 2; palabra 3, letra 2\.")
    orca.after(["x"], r"Fallo: X, 1 de 8\.")
    orca.after(["a"], r"Letra ya usada: A\.")
    # Orca+KP_Enter twice reads the status bar: the last sentence again.
    orca.after(["Insert+KP_Enter", "Insert+KP_Enter"], r"^barra de estado", r"^Letra ya usada: A\.$", braille=False)
    for count, miss in enumerate(MISSES[1:-1], 2):
        orca.after([miss.lower()], r"Fallo: %s, %d de 8\.%s" % (miss, count, " Queda un fallo\." * (count == 7)))
    orca.after([MISSES[-1].lower()], r"Fallo: %s, 8 de 8\. Partida perdida\. El título era %s\. Penalización: \d+ puntos?\."
               % (MISSES[-1], TITLE), r"Puntuación: 0\.")

    orca.after(["F2"], start)
    orca.after(["l", "a", "n"], r"Acierto: N, 1 casilla: palabra 3, letra 3\.")
    orca.after(["d"], r"Acierto: D, 1 casilla: palabra 3, letra 4\. Partida ganada: 800 puntos\.", r"Puntuación: 800\.")
    # The count's end gives the play button the focus again: it says where
    # the round stands in short, and only a moment later the whole of it.
    time.sleep(2)
    orca.after(["KP_Enter"], r"Tablero: 3 palabras: L A, L A, L A N D\. Fallos: 0 de 8\. Puntuación: 800\.",
               braille=False)

    # A whole title, wrong and then right, judged in the confirmation box.
    orca.after(["F2"], start)
    wrong = orca.answered("LA LA LANE", taken_back=True, outcome=r"^Título equivocado\. Partida perdida\. El título era LA LA LAND\.")
    orca.wait_for("the score", lambda said: any(re.search(r"Puntuación: 0\.", s) for s in said))
    orca.after(["F2"], start)
    right = orca.answered(TITLE, r"^Título acertado\. Partida ganada: \d+ puntos?\.")

    # A round between two: the letters of the hidden title must never be said.
    orca.after(["ctrl+d"], r"Partida entre dos")
    dialog = orca.mark
    for typed, letter in enumerate(HIDDEN, 1):
        orca.after([letter.lower()])
        orca.mark = dialog
        orca.wait_for("an echo of each letter typed", lambda said: sum(len(s.strip()) == 1 for s in said) >= typed)
    echoes = [s.strip() for s in orca.said() if len(s.strip()) == 1]
    if any(echo.upper() in HIDDEN for echo in echoes):
        fail("the hidden title was spoken: %r" % echoes)
    orca.after(["Escape"], r"VELMORA")
finally:
    game.terminate()
    game.wait(SECONDS)
    orca.stop()

log = "\n".join(orca.lines)
orca.mark = 0
if any(ROLE_WORD in said for said in orca.said()):
    fail("Orca said its role word: %r" % [said for said in orca.said() if ROLE_WORD in said])
if re.search(r"FLOOD|DELUGE", log):
    fail("Orca was flooded with events: " + re.search(r".*(FLOOD|DELUGE).*", log).group(0))
errors.close()
late = open(errors.name).read().count("QSpiApplication::keyEventError")
print("Orca said and brailled every move, the lost title and the points, never its role word or the hidden title, "
      "and was never flooded; outcomes after the box: %s and %s; keys it answered late: %d"
      % (wrong, right, late))
