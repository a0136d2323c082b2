#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program started where there is no display, or none it can reach:
# it says so in one line of Spanish and English naming what it tried (and
# DISPLAY and WAYLAND_DISPLAY when neither is set), and ends with status 1
# instead of aborting. On the offscreen platform it needs none.
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

# A display that does not answer, a compositor that is gone, a platform that
# does not exist: one line naming what was tried, and status 1, not an abort.
dead=99
while [ -e "/tmp/.X11-unix/X$dead" ]; do dead=$((dead + 1)); done
for tried in "DISPLAY=:$dead" "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=velmora-dead" "QT_QPA_PLATFORM=bogus"; do
  read -r -a settings <<<"$tried"
  message=$("${bare[@]}" "${settings[@]}" timeout 20 "$program" 2>&1 >/dev/null)
  status=$?
  [[ $status -eq 1 && $message != *$'\n'* && $message == *"${settings[-1]#QT_QPA_PLATFORM=}"* ]] ||
    fail "$tried: exit status $status, message: $message"
  echo "$tried: $message"
done
# Qt's warnings on its way to a platform that works are not held back.
message=$("${bare[@]}" QT_QPA_PLATFORM="bogus;offscreen" timeout 3 "$program" 2>&1 >/dev/null)
[[ $? -eq 124 && $message == *bogus* ]] || fail "bogus, else offscreen: $message"

# Offscreen, nothing is missing: the program runs until it is stopped.
message=$("${bare[@]}" QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>&1 >/dev/null)
status=$?
[ "$status" -eq 124 ] || fail "offscreen: exit status $status, message: $message"
[[ $message != *WAYLAND_DISPLAY* ]] || fail "offscreen: $message"
echo "without a display: $("${bare[@]}" "$program" 2>&1 >/dev/null)"
