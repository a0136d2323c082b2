#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a round on the real program in a real X window: starts it, waits for
# the main window after the splash, starts a round with Enter on the play
# button, types every letter and digit, and reads the window caption, which
# must then carry the round's points or penalty.
# With "pointer" the round is played with the pointer alone on the on-screen
# keys (--teclado) on a list of one title: JUGAR, a miss, then the title's
# letters win it; a key that hit, one that missed and an unused one must
# differ in grey.
set -euo pipefail
program=$1
mode=${2:-keys}
source "$(dirname "$0")/../support/x11-wait.sh"
export PULSE_SERVER=unix:/nonexistent/velmora-no-sound

work=$(mktemp -d "${TMPDIR:-/tmp}/play-round-test.XXXXXX")
pid=""
trap '[ -z "$pid" ] || { kill $pid 2>/dev/null; wait $pid 2>/dev/null; } || true; rm -rf "$work"' EXIT

if [ "$mode" = keys ]; then
  "$program" &
  pid=$!
  window=$(wait_for_window '^VELMORA')
  wait_for_caption "$window" '^VELMORA \(NUEVO\)$'
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key Return
  wait_for_caption "$window" '^VELMORA$'
  xdotool type --delay 20 'abcdefghijklmnopqrstuvwxyz0123456789'
  wait_for_caption "$window" '^VELMORA \([+-][0-9]+\)$'
  echo "round played: $(xdotool getwindowname "$window")"
  exit 0
fi

printf 'El sur\n' >"$work/one.txt"
"$program" --teclado --titulos "$work/one.txt" 2>/dev/null &
pid=$!
window=$(wait_for_window '^VELMORA' "$pid")
wait_for_caption "$window" '\(NUEVO\)$'
eval "$(xdotool getwindowgeometry --shell "$window")"
# The keys fill the window's bottom 132 pixels: fourteen a row, 50 by 36
# pixels, 54 and 40 apart, from 8 pixels in; A to N, then Ñ to Z.
keys_top=$((HEIGHT - 132))
key_origin() { # the key's top-left corner in the window
  local before=${letters%%"$1"*}
  echo "$((8 + ${#before} % 14 * 54)) $((keys_top + 8 + ${#before} / 14 * 40))"
}
letters=ABCDEFGHIJKLMNÑOPQRSTUVWXYZ
click_at() { xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1; }
click_at 668 "$((keys_top - 265 + 24))" # JUGAR, under the menu bar
wait_for_caption "$window" 'txt$'
for letter in X E L S U R; do
  read -r left top < <(key_origin "$letter")
  click_at "$((left + 25))" "$((top + 18))"
done
wait_for_caption "$window" '\(\+[0-9]+\)$'
echo "round won with the pointer: $(xdotool getwindowname "$window")"

import -window "$window" "$work/won.png"
grey() {
  read -r left top < <(key_origin "$1")
  convert "$work/won.png" -crop "50x36+$left+$top" -colorspace Gray -format '%[fx:mean]' info:
}
hit=$(grey E) miss=$(grey X) fresh=$(grey A)
echo "grey of a hit $hit, a miss $miss, an unused key $fresh"
awk -v a="$hit" -v b="$miss" -v c="$fresh" 'function far(x, y) { return (x - y) ^ 2 > 0.15 ^ 2 }
  BEGIN { exit !(far(a, b) && far(b, c) && far(a, c)) }' || { echo "FAIL: the keys differ too little in grey" >&2; exit 1; }
