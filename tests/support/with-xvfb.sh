#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a private Xvfb server: with-xvfb.sh COMMAND [ARGS...]
# It picks a free display number, waits until the server takes connections,
# gives the command a private XDG_RUNTIME_DIR and stops the server afterwards.
# The command's exit status is the script's. Further server options may be
# given in VELMORA_XVFB_OPTIONS, for example -br for a black root window.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }

runtime_dir=$(mktemp -d "${TMPDIR:-/tmp}/with-xvfb.XXXXXX")
chmod 700 "$runtime_dir"
xvfb_pid=""

cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$runtime_dir"
}
trap cleanup EXIT

# A display is free when neither its lock file nor its socket exists. Xvfb
# itself refuses a taken number, so a lost race only costs another try.
start_server() {
  local display
  for display in $(seq 90 190); do
    [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ] && continue
    # -noreset keeps the server from resetting after each short-lived client
    # such as xdotool, which would otherwise cost every call about 70 ms.
    Xvfb ":${display}" -screen 0 1280x1024x24 -noreset -nolisten tcp ${VELMORA_XVFB_OPTIONS:-} \
      >"$runtime_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local tries
    for tries in $(seq 1 250); do
      if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        break
      fi
      # The lock file names the server that owns the display, so a server
      # started at the same moment by another test is not taken for ours.
      if [ "$(cat "/tmp/.X${display}-lock" 2>/dev/null | tr -d ' \n')" = "$xvfb_pid" ] \
        && DISPLAY=":${display}" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":${display}"
        return 0
      fi
      sleep 0.02
    done
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  echo "with-xvfb.sh: no Xvfb display could be started" >&2
  cat "$runtime_dir/xvfb.log" >&2 || true
  return 1
}

start_server
export XDG_RUNTIME_DIR="$runtime_dir"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

"$@"
