#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real program through a screen reader's eyes: on a private D-Bus
# session with its own accessibility bus, starts the program, waits for the
# main window after the splash and hands over to a script beside this one
# (screen-reader-round.py unless another is named), which types with xdotool
# and reads the window through AT-SPI. Unless another script was named, it
# then plays again through the real screen reader, Orca, beside a window
# manager (screen-reader-orca.py); without Orca, speech-dispatcher or
# openbox, or beside the user's own Orca, that part is skipped, and so is the
# test (status 77).
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
work=""
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  [ -z "$work" ] || rm -rf "$work"
}
trap cleanup EXIT

start_accessibility_bus

"$program" &
pids+=($!)

window=$(wait_for_window '^VELMORA')
xdotool windowfocus --sync "$window" 2>/dev/null || true

/usr/bin/python3 "$here/$script" "$window"
[ $# -lt 2 ] || exit 0

for tool in orca speech-dispatcher openbox; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: not installed: $tool"; exit 77; }
done
# Orca will not start beside the user's own screen reader, which the test
# must not replace.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "SKIP: a screen reader already runs for this user"
  exit 77
fi
kill "${pids[-1]}"
wait "${pids[-1]}" || true
work=$(mktemp -d "${TMPDIR:-/tmp}/screen-reader-test.XXXXXX")
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 1500); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.02
done
/usr/bin/python3 "$here/screen-reader-orca.py" "$program" "$work"
