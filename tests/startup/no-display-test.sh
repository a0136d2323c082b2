#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program started where there is no display: it says so in one line
# of Spanish and English naming DISPLAY and WAYLAND_DISPLAY, and ends with
# status 1 instead of aborting. On the offscreen platform it needs none.
set -uo pipefail
program=$1

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

runtime=$(mktemp -d "${TMPDIR:-/tmp}/velmora-no-display.XXXXXX")
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT

bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE
      XDG_RUNTIME_DIR="$runtime" PULSE_SERVER=unix:/nonexistent/velmora-no-sound)

message=$("${bare[@]}" timeout 20 "$program" 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, message: $message"
[ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || fail "not one line: $message"
[[ $message == *DISPLAY* && $message == *WAYLAND_DISPLAY* ]] || fail "names no display variable: $message"
[[ $message == *pantalla* && $message == *display* ]] || fail "not in Spanish and English: $message"

# Asked for Wayland alone, with no compositor, it says the same.
message=$("${bare[@]}" QT_QPA_PLATFORM=wayland timeout 20 "$program" 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] || fail "Wayland: exit status $status, message: $message"

# Offscreen, nothing is missing: the program runs until it is stopped.
message=$("${bare[@]}" QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>&1 >/dev/null)
status=$?
[ "$status" -eq 124 ] || fail "offscreen: exit status $status, message: $message"
[[ $message != *WAYLAND_DISPLAY* ]] || fail "offscreen: $message"
echo "without a display: $("${bare[@]}" "$program" 2>&1 >/dev/null)"
