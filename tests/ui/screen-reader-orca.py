# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program by keys alone through the real screen reader, as a
blind player does, and checks what the screen reader says: Orca with key
echo on, speaking through speech-dispatcher's dummy module, its debug log
read as it is written. Each key waits until Orca has said what it must, so a
slow machine only makes the test slower.
Usage: screen-reader-orca.py PROGRAM WORK_FOLDER (inside a private session
with its accessibility bus and a window manager on the display)."""
import os
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
        env = dict(os.environ, HOME=WORK, XDG_CONFIG_HOME=config)
        self.process = subprocess.Popen(["orca", "-u", os.path.join(WORK, "orca"),
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

    def said(self):
        """What Orca said since the last mark, one utterance a line."""
        return [m.group(1) for line in self.lines[self.mark:]
                for m in [re.search(r" - SPEECH OUTPUT: '(.*)'\s*[\[{]", line)] if m]

    def wait_for(self, what, accept):
        deadline = time.monotonic() + SECONDS
        while not accept(self.said()):
            if time.monotonic() > deadline or self.process.poll() is not None:
                fail("Orca never said %s; it said %r" % (what, self.said()))
            time.sleep(0.05)

    def after(self, keys, *expected):
        """Presses the keys, then waits until Orca has said every expected
        pattern, each in one utterance."""
        self.mark = len(self.lines)
        key(*keys)
        for pattern in expected:
            self.wait_for(repr(pattern), lambda said: any(re.search(pattern, s) for s in said))

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
game = subprocess.Popen([PROGRAM, "--titulos", titles.name], stderr=errors)
try:
    window = wait_for("the main window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^VELMORA"], capture_output=True, text=True).stdout.split(),
        lambda found: found, SECONDS)[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True, timeout=SECONDS)
    orca.wait_for("the play button", lambda said: any("JUGAR" in s for s in said))

    orca.after(["Return"], r"Nueva partida: 8 letras en 3 palabras\.")
    orca.after(["a"], r"Acierto: A, 3 casillas\.")
    orca.after(["x"], r"Fallo: X, 1 de 8\.")
    orca.after(["a"], r"Letra ya usada: A\.")
    for count, miss in enumerate(MISSES[1:-1], 2):
        orca.after([miss.lower()], r"Fallo: %s, %d de 8\." % (miss, count))
    orca.after([MISSES[-1].lower()], r"Fallo: %s, 8 de 8\. Partida perdida\. El título era %s\. Penalización: \d+ puntos?\."
               % (MISSES[-1], TITLE), r"Puntuación: 0\.")

    orca.after(["F2"], r"Nueva partida: 8 letras en 3 palabras\.")
    orca.after(["l", "a", "n"], r"Acierto: N, 1 casilla\.")
    orca.after(["d"], r"Acierto: D, 1 casilla\. Partida ganada: 800 puntos\.", r"Puntuación: 800\.")
    orca.after(["KP_Enter"], r"Tablero: 3 palabras: L A, L A, L A N D\. Fallos: 0 de 8\. Puntuación: 800\.")

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
if re.search(r"FLOOD|DELUGE", log):
    fail("Orca was flooded with events: " + re.search(r".*(FLOOD|DELUGE).*", log).group(0))
errors.close()
late = open(errors.name).read().count("QSpiApplication::keyEventError")
print("Orca said every move, the lost title and the points, never the hidden title, and was never flooded; "
      "keys it answered late: %d" % late)
