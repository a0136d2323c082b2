#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs a round in progress for the README and the software centres:
# starts the built program on the X display of with-xvfb.sh, waits for the
# main window after the splash, starts a round, types a few letters (common
# ones that will be found and rare ones that will miss), lets the strike flash
# fade and saves the window as an 8-bit palette PNG. A scale, such as 2,
# photographs the window as a screen of that scale shows it (the X screen
# must then be large enough for it: VELMORA_XVFB_SCREEN).
# Usage: with-xvfb.sh make-screenshot.sh PATH/TO/velmora OUTPUT.png [SCALE]
set -euo pipefail
program=$1
output=$2
export QT_SCALE_FACTOR=${3:-1}
source "$(dirname "$0")/../../tests/support/x11-wait.sh"
export PULSE_SERVER=unix:/nonexistent/velmora-no-sound

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-screenshot.XXXXXX")
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "make-screenshot.sh: $*" >&2; exit 1; }

window=$(wait_for_window '^VELMORA') || fail "the main window never appeared"

# Before the first round the menu's F2 is off, so the play button, which has
# the focus, starts it with Enter.
wait_for_caption "$window" '^VELMORA \(NUEVO\)$'
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Return
wait_for_caption "$window" '^VELMORA$'
xdotool type --delay 150 'earkow'
# The board is redrawn every 100 ms and a strike flash lasts 400 ms.
sleep 1
wait_for_caption "$window" '^VELMORA$'

import -window "$window" "$work/window.png"
convert "$work/window.png" -strip -dither None -colors 256 "PNG8:$work/small.png"
mv "$work/small.png" "$output"
echo "$output: $(identify -format '%wx%h' "$output"), $(stat -c %s "$output") bytes"
