#!/usr/bin/env bash
# Plays a round on the real program in a real X window: starts it, waits for
# the main window after the splash, starts a round with Enter on the play
# button, types every letter and digit, and reads the window caption, which
# must then carry the round's points or penalty.
set -euo pipefail
program=$1
export PULSE_SERVER=unix:/nonexistent/velmora-no-sound

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name '^VELMORA' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.02
done
[ -n "$window" ] || { echo "the main window never appeared"; exit 1; }

caption() { xdotool getwindowname "$window"; }
expect_caption() {
  local pattern=$1
  for _ in $(seq 1 100); do
    [[ $(caption) =~ $pattern ]] && return 0
    sleep 0.02
  done
  echo "caption '$(caption)' does not match '$pattern'"
  exit 1
}

expect_caption '^VELMORA \(NUEVO\)$'
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Return
expect_caption '^VELMORA$'
xdotool type --delay 20 'abcdefghijklmnopqrstuvwxyz0123456789'
expect_caption '^VELMORA \([+-][0-9]+\)$'
echo "round played: $(caption)"
