#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs the real program's window at scale 1 and at QT_SCALE_FACTOR=2
# on the X display of with-xvfb.sh, and compares the edges of the speaker
# picture and of the film strip's sprocket holes: the pixels between their
# flat colours, where one colour blends into the next. A picture drawn for the
# scale has edges as sharp as at 1x, so twice as long edges give about twice
# as many such pixels; one stretched from its 1x drawing has every edge pixel
# doubled both ways, four times as many or more.
# Usage: crisp-pictures-test.sh PATH/TO/velmora
set -euo pipefail

program=$1
source "$(dirname "$0")/../support/x11-wait.sh"
require_tools import convert identify
export PULSE_SERVER=unix:/nonexistent/velmora-no-sound

fail() { echo "FAIL: $*" >&2; exit 1; }

shots=$(mktemp -d "${TMPDIR:-/tmp}/crisp-pictures-test.XXXXXX")
pid=""
trap '[ -z "$pid" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; } || true; rm -rf "$shots"' EXIT

# shoot SCALE: saves the main window at that scale as $shots/SCALE.png.
shoot() {
  QT_SCALE_FACTOR=$1 "$program" &
  pid=$!
  local window
  window=$(wait_for_window '^VELMORA' "$pid") || fail "the main window never appeared at scale $1"
  # The window may be mapped a moment before it is first painted.
  sleep 0.5
  import -window "$window" "$shots/$1.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

# between SCALE X Y WIDTH HEIGHT FLAT...: counts the pixels of a box of the
# client area, given in pixels at scale 1, whose colour is none of the flat
# colours (R,G,B), each give or take a few levels.
between() {
  local scale=$1 x=$2 y=$3 w=$4 h=$5
  shift 5
  local image="$shots/$scale.png" height menu
  height=$(identify -format '%h' "$image")
  # The menu bar lies above the client area, 265 pixels high at scale 1.
  menu=$((height - 265 * scale))
  convert "$image" -crop "$((w * scale))x$((h * scale))+$((x * scale))+$((y * scale + menu))" +repage -depth 8 txt:- |
    awk -v flat="$*" '
      BEGIN { n = split(flat, colours, " ") }
      NR > 1 {
        match($0, /\([0-9]+,[0-9]+,[0-9]+/)
        split(substr($0, RSTART + 1, RLENGTH - 1), pixel, ",")
        for (i = 1; i <= n; i++) {
          split(colours[i], f, ",")
          if ((pixel[1] - f[1]) ^ 2 <= 64 && (pixel[2] - f[2]) ^ 2 <= 64 && (pixel[3] - f[3]) ^ 2 <= 64) next
        }
        count++
      }
      END { print count + 0 }'
}

shoot 1
shoot 2
# The speaker inside the button's bevel: white, its greys and the green of
# its waves. The strip's top edge above the strike boxes: black film and its
# grey sprocket holes.
speaker="10 10 19 15 255,255,255 70,70,70 168,168,168 128,128,128 0,176,32"
holes="186 0 380 7 0,0,0 214,214,214"
for part in speaker holes; do
  read -r -a box <<<"${!part}"
  at1=$(between 1 "${box[@]}")
  at2=$(between 2 "${box[@]}")
  echo "$part: $at1 edge pixels at 1x, $at2 at 2x"
  [ "$at1" -gt 0 ] || fail "the $part shows no edges at 1x"
  awk -v a="$at1" -v b="$at2" 'BEGIN { exit !(b <= 2.5 * a) }' \
    || fail "the $part's edges at 2x are $(awk -v a="$at1" -v b="$at2" 'BEGIN { printf "%.1f", b / a }') times as many pixels as at 1x"
done
echo "PASS"
