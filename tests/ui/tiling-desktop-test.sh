#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a private headless sway, a tiling Wayland desktop: its
# window must float at the game's size, not fill a tile, and Alt+M typed
# through a virtual keyboard (wtype) must open its menu. sway refuses to run
# as root; run as root, desktop and game run as nobody.
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/require-tools.sh"
require_tools sway swaymsg wtype grim convert setpriv /usr/bin/python3
as=()
if [ "$(id -u)" = 0 ]; then
  as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  "${as[@]}" test -x "$program" || { echo "SKIP: nobody cannot run $program"; exit 77; }
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/tiling-desktop-test.XXXXXX")
chmod 755 "$work"
mkdir -m 700 "$work/runtime" "$work/home"
[ ${#as[@]} -eq 0 ] || chown nobody "$work/runtime" "$work/home"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'output HEADLESS-1 resolution 1280x720\n' >"$work/config" && chmod 644 "$work/config"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home WAYLAND_DISPLAY=wayland-1
# Each is started straight from here, so that $! is its own process.
"${as[@]}" env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/config" \
  >"$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 1500); do
  SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null) && [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
  sleep 0.02
done
[ -n "$SWAYSOCK" ] || fail "sway did not start: $(cat "$work/sway.log")"
export SWAYSOCK
# The game in the desktop's environment, as the desktop starts it.
"${as[@]}" env QT_QPA_PLATFORM=wayland PULSE_SERVER=unix:/nonexistent/velmora-no-sound "$program" 2>/dev/null &
pids+=($!)

# "TYPE X Y WIDTH HEIGHT" of the main window's content.
main_window() {
  "${as[@]}" swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("name", "").startswith("VELMORA"):
        r, w = node["rect"], node["window_rect"]
        print(node["type"], r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
for _ in $(seq 1 300); do
  read -r type x y width height < <(main_window) && break
  sleep 0.1
done
[ "${type:-}" = floating_con ] && [ "$width" = 769 ] || fail "the window is ${type:-missing}, ${width:-0} x ${height:-0}"
echo "the window floats at $x,$y, $width x $height"

# Qt closes its menus when the keyboard goes, so wtype stays long after Alt+M.
"${as[@]}" wtype -s 500 -M alt -s 100 m -m alt -s 60000 &
pids+=($!)
# The open menu's light items cover the grey gallows panel at the top left.
for _ in $(seq 1 300); do
  "${as[@]}" grim - >"$work/screen.png"
  light=$(convert "$work/screen.png" -crop "160x100+$((x + 10))+$((y + 30))" -colorspace Gray -format '%[fx:mean]' info:)
  awk -v l="$light" 'BEGIN { exit !(l > 0.8) }' && break
  sleep 0.1
done
awk -v l="$light" 'BEGIN { exit !(l > 0.8) }' || fail "Alt+M opened no menu (grey $light under the menu bar)"
read -r type _ _ width _ < <(main_window) && [ "$type $width" = "floating_con 769" ] || fail "the window became $type"
echo "Alt+M opened the menu (grey $light under the menu bar); the window stayed $width x $height"
