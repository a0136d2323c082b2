# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Waiting for the program's windows on an X display, for the scripts that
# drive the real program. Source it; each wait polls every 20 ms and gives up
# only after a deadline long enough for a busy machine or a sanitized build,
# since a wait that ends early fails a test by bad luck alone. Without
# xdotool, which looks for the windows, the test is skipped.
source "$(dirname "${BASH_SOURCE[0]}")/require-tools.sh"
require_tools xdotool

# Seconds each wait gives the program before it gives up.
X11_WAIT_SECONDS=${X11_WAIT_SECONDS:-30}

# wait_for_window NAME_PATTERN [PID]: prints the first viewable window whose
# name matches, or fails once the deadline has passed, or at once when the
# process PID, if given, has ended.
wait_for_window() {
  local pattern=$1 pid=${2:-} window deadline=$((SECONDS + X11_WAIT_SECONDS))
  while [ "$SECONDS" -lt "$deadline" ]; do
    window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
      echo "the program ended before a window named '$pattern' appeared" >&2
      return 1
    fi
    sleep 0.02
  done
  echo "no window named '$pattern' appeared" >&2
  return 1
}

# wait_for_caption WINDOW REGEX: returns once the window's name matches.
wait_for_caption() {
  local window=$1 pattern=$2 deadline=$((SECONDS + X11_WAIT_SECONDS))
  while [ "$SECONDS" -lt "$deadline" ]; do
    [[ $(xdotool getwindowname "$window" 2>/dev/null) =~ $pattern ]] && return 0
    sleep 0.02
  done
  echo "the caption '$(xdotool getwindowname "$window" 2>/dev/null)' never matched '$pattern'" >&2
  return 1
}
