#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command against a private Xvfb server: with-xvfb.sh COMMAND [ARGS...]
# The server picks a free display number; the script waits until it takes connections,
# gives the command a private XDG_RUNTIME_DIR and HOME (where D-Bus notes the
# bus it starts for a display) and stops the server afterwards.
# The command's exit status is the script's. Further server options may be
# given in VELMORA_XVFB_OPTIONS, for example -br for a black root window, and
# the screen's size and depth in VELMORA_XVFB_SCREEN (1280x1024x24 unless
# said otherwise). Without Xvfb it exits 77, the suite's "skipped".
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
source "$(dirname "$0")/require-tools.sh"
require_tools Xvfb

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

# Xvfb picks a free display number itself (-displayfd) and writes it down,
# with a newline, once it takes connections, so parallel tests and other
# servers on the machine never collide. It writes into a pipe that this
# script reads: the read returns once the number is there, however slowly the
# server starts, or with nothing once the server has ended without writing it
# (the pipe's only writer is gone), and there is no file to read before it
# exists.
start_server() {
  local pipe=$runtime_dir/display number=""
  mkfifo "$pipe"
  # -noreset keeps the server from resetting after each short-lived client
  # such as xdotool, which would otherwise cost every call about 70 ms.
  Xvfb -displayfd 3 -screen 0 "${VELMORA_XVFB_SCREEN:-1280x1024x24}" -noreset -nolisten tcp ${VELMORA_XVFB_OPTIONS:-} \
    3>"$pipe" >"$runtime_dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  # Opening the pipe waits for its other end, which the shell opens for the
  # server before starting it.
  read -r number <"$pipe" || true
  if [[ $number =~ ^[0-9]+$ ]]; then
    export DISPLAY=":$number"
    return 0
  fi
  echo "with-xvfb.sh: no Xvfb display could be started" >&2
  cat "$runtime_dir/xvfb.log" >&2 || true
  return 1
}

start_server
export XDG_RUNTIME_DIR="$runtime_dir"
mkdir "$runtime_dir/home"
export HOME=$runtime_dir/home
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

"$@"
