#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real program through a screen reader's eyes: on a private D-Bus
# session with its own accessibility bus, starts the program, waits for the
# main window after the splash and hands over to a script beside this one
# (screen-reader-round.py unless another is named), which types with xdotool
# and reads the window through AT-SPI.
# Usage: screen-reader-test.sh PATH/TO/velmora [SCRIPT.py]
set -euo pipefail
program=$1
script=${2:-screen-reader-round.py}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/x11-wait.sh"
source "$here/accessibility-bus.sh"

if [ -z "${VELMORA_PRIVATE_SESSION:-}" ]; then
  exec dbus-run-session -- env VELMORA_PRIVATE_SESSION=1 "$0" "$@"
fi

export PULSE_SERVER=unix:/nonexistent/velmora-no-sound
# Speaking to the accessibility bus without a desktop that asks for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap cleanup EXIT

start_accessibility_bus

"$program" &
pids+=($!)

window=$(wait_for_window '^VELMORA')
xdotool windowfocus --sync "$window" 2>/dev/null || true

/usr/bin/python3 "$here/$script" "$window"
