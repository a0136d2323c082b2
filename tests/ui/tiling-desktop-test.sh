#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a tiling Wayland desktop: a private, headless sway.
# Started from the desktop, the game's window must float at the game's own
# size rather than fill a tile, and Alt+M, typed through a virtual keyboard
# (wtype), must open its menu. sway refuses to run as root: run as root, the
# desktop and the game run as nobody, which must be able to run the program.
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
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'output HEADLESS-1 resolution 1280x720\n' >"$work/config"
chmod 644 "$work/config"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
# Runs a command on the desktop, as its user. Started in the background
# straight from here, so that $! is the command's own process.
desktop() { "${as[@]}" env "$@"; }
"${as[@]}" env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/config" >"$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 1500); do
  ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1 && [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && break
  sleep 0.02
done
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null) || fail "sway did not start: $(cat "$work/sway.log")"
export SWAYSOCK WAYLAND_DISPLAY=wayland-1

# The game as the desktop starts it: in the desktop's environment.
"${as[@]}" env QT_QPA_PLATFORM=wayland PULSE_SERVER=unix:/nonexistent/velmora-no-sound "$program" 2>"$work/game.log" &
pids+=($!)

# Prints "TYPE X Y WIDTH HEIGHT" of the main window's content, once it is up.
main_window() {
  desktop swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("app_id") and node.get("name", "").startswith("VELMORA"):
        r, w = node["rect"], node["window_rect"]
        print(node["type"], r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
for _ in $(seq 1 1500); do
  read -r type x y width height < <(main_window) && [ "$width" -gt 0 ] && break
  sleep 0.02
done
[ -n "${type:-}" ] || fail "the game's window never appeared: $(cat "$work/game.log")"
echo "the window: $type at $x,$y, $width x $height"
[ "$type" = floating_con ] && [ "$width" = 769 ] || fail "the window was tiled: $type, $width x $height"

# A virtual keyboard lasts as long as wtype runs, and Qt closes its menus
# when the keyboard goes; this one waits long after Alt+M.
"${as[@]}" env wtype -s 500 -M alt -s 100 m -m alt -s 60000 &
pids+=($!)
# The menu covers the top left of the game, the grey gallows panel, with its
# light items.
for _ in $(seq 1 300); do
  desktop grim - >"$work/screen.png"
  light=$(convert "$work/screen.png" -crop "160x100+$((x + 10))+$((y + 30))" -colorspace Gray -format '%[fx:mean]' info:)
  awk -v l="$light" 'BEGIN { exit !(l > 0.8) }' && break
  sleep 0.1
done
awk -v l="$light" 'BEGIN { exit !(l > 0.8) }' || fail "Alt+M opened no menu (grey $light under the menu bar)"
read -r type _ _ width height < <(main_window)
[ "$type" = floating_con ] && [ "$width" = 769 ] || fail "with its menu open the window became $type, $width x $height"
echo "Alt+M opened the menu (grey $light under the menu bar); the window stayed $width x $height"
