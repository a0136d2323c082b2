#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on the X display of with-xvfb.sh and watches its
# windows every 20 ms: the frameless splash must come first, the main window
# (titled "VELMORA ...") seconds later, and from the splash's first
# appearance until the main window's there must always be a window showing.
# The splash's exact timing is pinned on a virtual clock by the splash tests;
# here a busy machine may map the splash late or tick its timer late, so the
# bounds on the hand-over only tell a hand-over from none at all.
# Usage: splash-handover-test.sh PATH/TO/velmora PATH/TO/viewable_windows
set -euo pipefail

program=$1
viewable_windows=$2
source "$(dirname "$0")/../support/require-tools.sh"
require_tools xdotool xprop xwininfo
# No sound server: the player gives up at once instead of reaching a real one.
export PULSE_SERVER=unix:/nonexistent/pulse/native

# Milliseconds from the shell's own clock, so a poll starts no extra process.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# Prints the names of the program's viewable windows, one per line, read
# with the X server held still, so that every poll sees the windows at a
# single moment and never the instant between two of them.
visible_windows() {
  "$viewable_windows" velmora 2>/dev/null || true
}

fail() { echo "FAIL: $*" >&2; exit 1; }

# The splash is a splash-type window, which window managers draw without a
# frame and keep out of the taskbar, and its client area is 233 x 225.
check_splash_window() {
  local id=$1 info
  xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_SPLASH' \
    || fail "the splash is not a splash-type window: $(xprop -id "$id" _NET_WM_WINDOW_TYPE)"
  info=$(xwininfo -id "$id")
  grep -q 'Width: 233$' <<<"$info" && grep -q 'Height: 225$' <<<"$info" \
    || fail "the splash is not 233 x 225: $info"
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
started=$(now_ms)

splash_seen="" main_seen="" splash_gone="" polls=0 gaps=0
while :; do
  [ $(( $(now_ms) - started )) -lt 20000 ] || fail "no hand-over within 20 s"
  kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
  windows=$(visible_windows)
  polls=$((polls + 1))
  splash_line=$(grep -E '^Inicio' <<<"$windows" || true)
  main_line=$(grep -E '^VELMORA' <<<"$windows" || true)
  t=$(( $(now_ms) - started ))

  if [ -z "$splash_seen" ] && [ -n "$splash_line" ]; then
    splash_seen=$t
    check_splash_window "$(xdotool search --onlyvisible --name '^Inicio' | head -n 1)"
  fi
  if [ -n "$main_line" ] && [ -z "$splash_seen" ]; then
    fail "the main window came before the splash"
  fi
  if [ -n "$splash_seen" ] && [ -z "$main_seen" ] && [ -z "$splash_line" ] && [ -z "$main_line" ]; then
    gaps=$((gaps + 1))
  fi
  if [ -z "$main_seen" ] && [ -n "$main_line" ]; then
    main_seen=$t
  fi
  if [ -n "$main_seen" ] && [ -z "$splash_line" ]; then
    splash_gone=$t
    break
  fi
  [ -z "$main_seen" ] || [ $((t - main_seen)) -lt 5000 ] || fail "the splash stayed 5 s after the main window came"
  sleep 0.01
done

echo "splash at ${splash_seen} ms, main window at ${main_seen} ms, splash gone at ${splash_gone} ms" \
  "(${polls} polls, one every $((splash_gone / polls)) ms)"
[ "$gaps" -eq 0 ] || fail "${gaps} polls saw no window between the splash and the main window"
handover=$((main_seen - splash_seen))
[ "$handover" -ge 1500 ] || fail "the main window came only ${handover} ms after the splash"

kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT
echo "PASS"
