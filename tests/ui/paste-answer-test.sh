#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Pastes junk into the real program's answer box through the X clipboard and
# selection, each way a player can: Ctrl+V, Shift+Insert, a middle click and
# the context menu's "Pegar". The box takes exactly what typing the same
# characters would have taken: no control character, NUL, emoji or symbol
# gets in, an accented vowel is its plain vowel, and a space only once the
# box holds text.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/x11-wait.sh"
source "$here/answer-box-x11.sh"
export PULSE_SERVER=unix:/nonexistent/velmora-no-sound

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

junk=$(mktemp "${TMPDIR:-/tmp}/velmora-junk.XXXXXX")
pid=""
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -f "$junk"
}
trap cleanup EXIT

# A control character, an accent, a space, a right-to-left override, an
# emoji, a NUL, a tab, a line break and symbols between what can be typed.
printf '\001\303\211 l\342\200\256pa\360\237\230\200dr\000i\tn\r\no!\303\261?\303\221' > "$junk"
typed='E lpadrinoñÑ'

# offer SELECTION: the junk as the X clipboard or the primary selection.
offer() {
  xclip -selection "$1" -i < "$junk" >/dev/null 2>&1
}

"$program" &
pid=$!
window=$(wait_for_window '^VELMORA' "$pid")
wait_for_caption "$window" '^VELMORA \(NUEVO\)$'
xdotool windowfocus --sync "$window"
xdotool key Return
wait_for_caption "$window" '^VELMORA$'
xdotool type '!'

# The answer box lies along the bottom of the window, clear of its close
# button at the right.
height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
box_x=300
box_y=$((height - 25))

offer clipboard
xdotool key ctrl+v
held=$(answer_box_text)
[ "$held" = "$typed" ] || fail "Ctrl+V: the box holds '$held'"

offer clipboard
xdotool key shift+Insert
held=$(answer_box_text)
[ "$held" = "$typed$typed" ] || fail "Shift+Insert: the box holds '$held'"

# Escape empties and closes the box; "!" opens it again, empty.
xdotool key Escape
xdotool type '!'
offer primary
xdotool mousemove --window "$window" "$box_x" "$box_y" click 2
held=$(answer_box_text)
[ "$held" = "$typed" ] || fail "middle click: the box holds '$held'"

xdotool key Escape
xdotool type '!'
offer clipboard
xdotool mousemove --window "$window" "$box_x" "$box_y" click 3
# The context menu is a second window of the program; "p" chooses "&Pegar".
deadline=$((SECONDS + X11_WAIT_SECONDS))
until [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 2 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "no context menu appeared"
  sleep 0.02
done
xdotool key p
held=$(answer_box_text)
[ "$held" = "$typed" ] || fail "context menu: the box holds '$held'"

[ "$(xdotool getwindowname "$window")" = VELMORA ] || fail "the round ended"
echo "pasted four ways: the box took '$typed' each time"
