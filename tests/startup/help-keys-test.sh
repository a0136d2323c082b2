#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on the X display of with-xvfb.sh with a desktop
# opener that fails as xdg-open does where no browser is installed (it exits
# 3), first on PATH. F1 must show the help page in the program's own window
# "Ayuda de Velmora" all the same, and Escape close it; then the menus are
# driven by their access keys: Alt+A, V shows the help again, Ctrl+W closes
# it, Alt+A, A shows the About box, Escape closes it, and Alt+M, S ends the
# program with status 0.
# Usage: help-keys-test.sh PATH/TO/velmora
set -euo pipefail

program=$1
source "$(dirname "$0")/../support/x11-wait.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

export PULSE_SERVER=unix:/nonexistent/velmora-no-sound
fake=$(mktemp -d "${TMPDIR:-/tmp}/help-keys-test.XXXXXX")
cat > "$fake/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$1" >> "$fake/opened"
echo "xdg-open: no method available for opening '\$1'" >&2
exit 3
SCRIPT
chmod +x "$fake/xdg-open"

PATH="$fake:$PATH" "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$fake"' EXIT

shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]; }
wait_gone() {
  for _ in $(seq 1 250); do shown "$1" || return 0; sleep 0.02; done
  return 1
}
# focus WINDOW: gives the window the keyboard focus, as a click on it would.
focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] || fail "window $1 did not take the focus"
}

main=$(wait_for_window '^VELMORA' "$pid") || fail "the main window never appeared"
focus "$main"
xdotool key F1
help=$(wait_for_window '^Ayuda de Velmora$' "$pid") || fail "F1 showed no help window"
if [ -e "$fake/opened" ]; then
  echo "the desktop's opener was asked for $(cat "$fake/opened") and failed; the help window stood in"
else
  echo "the page that ships with the program needed no browser"
fi
focus "$help"
xdotool key Escape
wait_gone '^Ayuda de Velmora$' || fail "Escape left the help window open"
echo "F1 showed the help window, Escape closed it"

focus "$main"
xdotool key alt+a v
help=$(wait_for_window '^Ayuda de Velmora$' "$pid") || fail "Alt+A, V showed no help window"
focus "$help"
xdotool key ctrl+w
wait_gone '^Ayuda de Velmora$' || fail "Ctrl+W left the help window open"
echo "Alt+A, V showed the help window, Ctrl+W closed it"

focus "$main"
xdotool key alt+a a
about=$(wait_for_window '^Acerca de Velmora$' "$pid") || fail "Alt+A, A showed no About box"
xdotool key Escape
wait_gone '^Acerca de Velmora$' || fail "Escape left the About box open"
echo "Alt+A, A showed the About box, Escape closed it"

focus "$main"
xdotool key alt+m s
for _ in $(seq 1 250); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
kill -0 "$pid" 2>/dev/null && fail "Alt+M, S did not end the program"
wait "$pid" || fail "the program ended with status $?"
echo "Alt+M, S ended the program with status 0"
echo "PASS"
