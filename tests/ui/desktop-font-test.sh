#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on the X display of with-xvfb.sh with the desktop's
# font set through a platform theme, as qt6ct sets it for every Qt program:
# DejaVu Serif at 14 points. Opening a menu must write it in that face, which
# FreeType then has mapped from its file; the game's own faces are carried
# inside the program and map no file.
# Usage: desktop-font-test.sh PATH/TO/velmora
set -euo pipefail

program=$1
source "$(dirname "$0")/../support/x11-wait.sh"
require_tools qt6ct

fail() { echo "FAIL: $*" >&2; exit 1; }

export PULSE_SERVER=unix:/nonexistent/velmora-no-sound
config=$(mktemp -d "${TMPDIR:-/tmp}/desktop-font-test.XXXXXX")
mkdir -p "$config/qt6ct"
cat > "$config/qt6ct/qt6ct.conf" <<'CONF'
[Fonts]
general="DejaVu Serif,14,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="DejaVu Sans Mono,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
CONF

XDG_CONFIG_HOME="$config" QT_QPA_PLATFORMTHEME=qt6ct "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$config"' EXIT

main=$(wait_for_window '^VELMORA' "$pid") || fail "the main window never appeared"
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+m
# The menu is drawn once it is open; its face is mapped by then.
mapped=""
for _ in $(seq 1 250); do
  mapped=$(grep -o '[^/]*DejaVuSerif[^/ ]*\.ttf' "/proc/$pid/maps" | sort -u | tr '\n' ' ' || true)
  [ -n "$mapped" ] && break
  sleep 0.02
done
[ -n "$mapped" ] || fail "the menus are not written in the desktop's DejaVu Serif: no file of it is mapped"
echo "the desktop's face is mapped: $mapped"
xdotool key Escape
echo "PASS"
