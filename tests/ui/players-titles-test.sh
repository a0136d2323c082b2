#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plays the real program on the players' own titles, on a private D-Bus
# session with its own accessibility bus, through xdotool and AT-SPI
# (players-titles-round.py).
#
#   players-titles-test.sh list PROGRAM         velmora --titulos FILE
#   players-titles-test.sh two-players PROGRAM  a round between two
#
# "list" first gives a file that is not UTF-8: the reason goes to standard
# error and the game starts on its own titles. Then it gives a file that
# mixes playable lines with refused and malformed ones: the refused lines go
# to standard error with their numbers and reasons, the caption names the
# file, and every lost round shows one of the file's playable titles,
# normalised, as its answer, never the same twice in a row. "two-players"
# types a title into the dialog of a round between two and loses the round:
# the answer is the typed title, normalised.
set -euo pipefail
mode=$1
program=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/x11-wait.sh"
source "$here/accessibility-bus.sh"

if [ -z "${VELMORA_PRIVATE_SESSION:-}" ]; then
  exec dbus-run-session -- env VELMORA_PRIVATE_SESSION=1 "$0" "$@"
fi

export LC_ALL=C.UTF-8
export PULSE_SERVER=unix:/nonexistent/velmora-no-sound
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/players-titles-test.XXXXXX")
pids=()
stop() {
  local pid=$1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    stop "$pid"
  done
  rm -rf "$work"
}
trap cleanup EXIT

start_accessibility_bus

# Starts the program with the given arguments, its standard error in
# $work/stderr.txt, and sets $pid and $window.
start() {
  "$program" "$@" 2>"$work/stderr.txt" &
  pid=$!
  pids+=("$pid")
  window=$(wait_for_window '^VELMORA' "$pid")
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

case $mode in
list)
  printf 'Uno\nDos\nTr\xe9s\n' >"$work/latin1.txt"
  start --titulos "$work/latin1.txt"
  wait_for_caption "$window" '^VELMORA \(NUEVO\)$'
  expected=$'velmora: No se pueden usar los títulos de «latin1.txt»: no está en UTF-8 (la línea 3 no lo es).\nvelmora: Se juega con los títulos de Velmora.'
  [ "$(cat "$work/stderr.txt")" = "$expected" ] || fail "for a Latin-1 file the game said: $(cat "$work/stderr.txt")"
  echo "a Latin-1 file: $(head -n 1 "$work/stderr.txt")"
  stop "$pid"

  # Playable lines, a comment, blank lines, a byte-order mark, CR LF and CR
  # line ends, and lines refused for a foreign letter, a NUL byte, an escape
  # code, a lone accent, emoji only, length and a repeat. None of the
  # playable titles holds a digit, so typing eight digits loses a round.
  printf '\xef\xbb\xbf# Cine de los jueves\r\n'"'"'El sur, del norte'"'"'\r\nЖивые и мёртвые\r\n\r\nA\0B\rÜber  alles!!\n\x1b[31mRojo\n\xcc\x81\n🎬🍿\nLa larga noche de los cuarenta y tres ladrones\nEL SUR DEL NORTE\n   \nCiudad sin sueño\n' \
    >"$work/mezcla.txt"
  start --titulos "$work/mezcla.txt"
  wait_for_caption "$window" '^VELMORA — mezcla\.txt \(NUEVO\)$'
  expected="velmora: Se juega con los 3 títulos de «mezcla.txt».
velmora: Estas líneas no se pueden jugar:
velmora: línea 3: contiene «Ж», que no se puede jugar
velmora: línea 5: contiene U+0000, que no se puede jugar
velmora: línea 7: contiene U+001B, que no se puede jugar
velmora: línea 8: no tiene letras
velmora: línea 9: no tiene letras
velmora: línea 10: demasiado largo (46 caracteres; el tablero tiene 42)
velmora: línea 11: repite el título de la línea 2"
  [ "$(cat "$work/stderr.txt")" = "$expected" ] || fail "the refused lines were reported as: $(cat "$work/stderr.txt")"
  echo "refused lines reported on standard error: $(wc -l <"$work/stderr.txt") lines"
  /usr/bin/python3 "$here/players-titles-round.py" "$window" list 'EL SUR DEL NORTE|UBER ALLES|CIUDAD SIN SUEÑO'
  ;;
two-players)
  start
  wait_for_caption "$window" '^VELMORA \(NUEVO\)$'
  /usr/bin/python3 "$here/players-titles-round.py" "$window" two-players 'LA VIDA EN 3 ACTOS'
  ;;
*)
  fail "unknown mode $mode"
  ;;
esac
