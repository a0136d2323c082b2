# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Reading the answer box and finding the game's message boxes on an X
# display, for the scripts that drive the real program; source it after
# tests/support/x11-wait.sh. Needs xdotool and xclip.
require_tools xclip

# answer_box_text: prints what the answer box, which has the keyboard focus,
# holds. It selects the whole text and copies it, as a player would, and
# reads the clipboard once the program has filled it; the cursor is left at
# the end of the text. An empty box copies nothing, and fails.
answer_box_text() {
  local sentinel="velmora-test-$RANDOM$RANDOM" text deadline=$((SECONDS + X11_WAIT_SECONDS))
  # xclip stays behind to serve the selection: it must not hold the output
  # of a command substitution open.
  printf '%s' "$sentinel" | xclip -selection clipboard -i >/dev/null 2>&1
  xdotool key ctrl+a ctrl+c
  while [ "$SECONDS" -lt "$deadline" ]; do
    text=$(xclip -o -selection clipboard 2>/dev/null || true)
    if [ "$text" != "$sentinel" ]; then
      xdotool key End
      printf '%s' "$text"
      return 0
    fi
    sleep 0.02
  done
  echo "the answer box was never copied" >&2
  return 1
}

# message_box: prints the first viewable window titled exactly "Velmora" (the
# main window's title is in capitals), or nothing.
message_box() {
  local window
  for window in $(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null); do
    if [ "$(xdotool getwindowname "$window" 2>/dev/null)" = Velmora ]; then
      echo "$window"
      return 0
    fi
  done
}

# wait_until_no_message_box: returns once no message box is viewable.
wait_until_no_message_box() {
  local deadline=$((SECONDS + X11_WAIT_SECONDS))
  while [ "$SECONDS" -lt "$deadline" ]; do
    [ -z "$(message_box)" ] && return 0
    sleep 0.02
  done
  echo "the message box stayed open" >&2
  return 1
}
