#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a round on the real program in a real X window: starts it, waits for
# the main window after the splash, starts a round with Enter on the play
# button, types every letter and digit, and reads the window caption, which
# must then carry the round's points or penalty.
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/x11-wait.sh"
export PULSE_SERVER=unix:/nonexistent/velmora-no-sound

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

window=$(wait_for_window '^VELMORA')
wait_for_caption "$window" '^VELMORA \(NUEVO\)$'
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Return
wait_for_caption "$window" '^VELMORA$'
xdotool type --delay 20 'abcdefghijklmnopqrstuvwxyz0123456789'
wait_for_caption "$window" '^VELMORA \([+-][0-9]+\)$'
echo "round played: $(xdotool getwindowname "$window")"
