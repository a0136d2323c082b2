#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on the X display of with-xvfb.sh with no network at
# all (a network namespace of its own, which takes root) and no browser to
# hand the page to. F1 must open the program's own help window "Ayuda de
# Velmora" on the help page, drawn with the page's stylesheet, and no message
# box; a second F1 must bring the same window back instead of opening another.
# Usage: help-window-test.sh PATH/TO/velmora PATH/TO/network-check-probe
# Exits with 77 (skipped) only when no network namespace can be made here.
set -euo pipefail

program=$1
probe=$2
source "$(dirname "$0")/../support/x11-wait.sh"
require_tools import convert xwininfo unshare

fail() { echo "FAIL: $*" >&2; exit 1; }

# Root makes a network namespace directly; another user may make one inside
# a user namespace of its own where the kernel allows that.
without_network=()
for command in "unshare -n" "unshare -r -n"; do
  if $command true 2>/dev/null; then
    read -r -a without_network <<<"$command"
    break
  fi
done
if [ ${#without_network[@]} -eq 0 ]; then
  echo "SKIP: no network namespace can be made here (unshare -n)"
  exit 77
fi

[ "$("${without_network[@]}" "$probe")" = offline ] \
  || fail "the network check finds a connection where there is no network"

export PULSE_SERVER=unix:/nonexistent/velmora-no-sound
shots=$(mktemp -d "${TMPDIR:-/tmp}/help-window-test.XXXXXX")

# An empty PATH and no desktop or browser settings leave the program no
# launcher to open a page with, whatever this machine has installed.
"${without_network[@]}" env -u BROWSER -u DEFAULT_BROWSER -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
  PATH=/nonexistent "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$shots"' EXIT

help_windows() { xdotool search --onlyvisible --name '^Ayuda de Velmora$' 2>/dev/null | wc -l; }

press_f1_in() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] || fail "window $1 did not take the focus"
  xdotool key F1
}

main=$(wait_for_window '^VELMORA' "$pid") || fail "the main window never appeared"
press_f1_in "$main"
help=$(wait_for_window '^Ayuda de Velmora$' "$pid") || fail "F1 opened no help window"
[ -z "$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null || true)" ] \
  || fail "F1 showed a message box"

# The window is a readable size and shows the page: mostly its background
# colour from the stylesheet, with text on it.
geometry=$(xwininfo -id "$help")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
[ "$width" -ge 600 ] && [ "$height" -ge 500 ] || fail "the help window is ${width} x ${height}"
# Prints the share of the window in the page's colour and the share in dark
# ink, as "PAGE INK".
measure() {
  import -window "$help" "$shots/help.png"
  echo "$(convert "$shots/help.png" -fill black +opaque '#F4F4F0' -fill white -opaque '#F4F4F0' \
            -format '%[fx:mean]' info:)" \
       "$(convert "$shots/help.png" -colorspace gray -threshold 40% -negate -format '%[fx:mean]' info:)"
}
shows_the_page() { awk -v page="$1" -v ink="$2" 'BEGIN { exit !(page > 0.5 && ink > 0.02) }'; }
# The window may be mapped a moment before it is first painted.
for _ in $(seq 1 50); do
  read -r page ink < <(measure)
  shows_the_page "$page" "$ink" && break
  sleep 0.05
done
echo "help window ${width} x ${height}: page colour on ${page}, dark ink on ${ink} of it"
shows_the_page "$page" "$ink" || fail "the help window does not show the page with its stylesheet"

# Back in the game, F1 brings the help window forward again, and only it.
press_f1_in "$main"
for _ in $(seq 1 250); do
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$help" ] && break
  sleep 0.02
done
[ "$(xdotool getwindowfocus 2>/dev/null)" = "$help" ] || fail "a second F1 did not bring the help window forward"
[ "$(help_windows)" -eq 1 ] || fail "a second F1 left $(help_windows) help windows"
echo "PASS"
