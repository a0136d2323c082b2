#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Holds Enter down in the real program's answer box, as a player resting a
# finger on it: the question "¿Está seguro?" comes once and the key's
# repeats answer nothing, so the round goes on until the player answers.
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

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

window=$(wait_for_window '^VELMORA' "$pid")
wait_for_caption "$window" '^VELMORA \(NUEVO\)$'
xdotool windowfocus --sync "$window"
xdotool key Return
wait_for_caption "$window" '^VELMORA$'
xdotool type --delay 20 '!xyz'

# The server repeats a held key, or the rest would prove nothing: a held "x"
# types many.
xdotool keydown x
sleep 1.5
xdotool keyup x
typed=$(answer_box_text)
[[ $typed =~ ^xyzxxxxx+$ ]] || fail "holding x down typed '$typed'"

xdotool keydown Return
sleep 2
xdotool keyup Return
# The question is open (a busy machine may get to it late), and the round
# has not ended.
deadline=$((SECONDS + X11_WAIT_SECONDS))
question=""
while [ -z "$question" ]; do
  caption=$(xdotool getwindowname "$window")
  [ "$caption" = VELMORA ] || fail "the round ended while Enter was held: '$caption'"
  question=$(message_box)
  [ "$SECONDS" -lt "$deadline" ] || fail "no question is open after Enter was held"
  sleep 0.02
done
sleep 0.5
[ "$(message_box)" = "$question" ] || fail "the question closed after Enter was let go"
[ "$(xdotool getwindowname "$window")" = VELMORA ] || fail "the round ended after Enter was let go"

# A fresh key answers: Escape is "No", and the answer stays in the box.
xdotool key Escape
wait_until_no_message_box
held=$(answer_box_text)
[ "$held" = "${typed^^}" ] || fail "after \"No\" the box holds '$held'"
[ "$(xdotool getwindowname "$window")" = VELMORA ] || fail "the round ended on \"No\""

# The window's own keys work again once the question has gone: Escape closes
# and empties the box, which "!" opens again, empty.
xdotool key Escape
xdotool type '!q'
held=$(answer_box_text)
[ "$held" = q ] || fail "Escape after the question left '${held%q}' in the box"
echo "Enter held for 2 s: the question stayed open and the round went on"
