#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a private, headless PulseAudio server.
#
#   tests/support/with-pulseaudio.sh [--suspend-on-idle] <command> [argument...]
#   tests/support/with-pulseaudio.sh --restart
#
# The server gets its own runtime and home folders in a temporary directory,
# plays into a null sink and is killed, with the folders removed, when the
# command ends, fails or is interrupted. The command sees XDG_RUNTIME_DIR and
# PULSE_SERVER pointing at it. The exit status is the command's, or 77, the
# suite's "skipped", without PulseAudio.
#
# An idle null sink runs at a latency of about two seconds, which would hold
# every clip up to two seconds past its end; a loopback from a second null sink's monitor
# into the default sink keeps it at 20 ms.
#
# With --suspend-on-idle the server suspends its sink a second after the last
# stream on it has gone, as a desktop's server does after a few seconds. There
# is no loopback then, since it would keep the sink busy, so clips may end
# late on it.
#
# From inside the command, "$VELMORA_WITH_PULSEAUDIO" --restart starts the
# server again as it was first started, once the command has killed it, and
# returns when it answers.
set -euo pipefail

start_server() {
  local root=$1 old
  # A killed server that nobody has reaped yet still counts as running for
  # the new one, which would refuse to start; its pid file must go.
  old=$(cat "$root/runtime/pulse/pid" 2>/dev/null || true)
  if [ -n "$old" ] && { [ ! -e /proc/"$old" ] || [ "$(awk '{print $3}' /proc/"$old"/stat 2>/dev/null)" = Z ]; }; then
    rm -f "$root/runtime/pulse/pid"
  fi
  pulseaudio -D -n -F "$root/server.pa" --exit-idle-time=-1 --disallow-exit \
    --use-pid-file=yes --log-target=file:"$root/server.log" 2>>"$root/server.log" || {
    echo "with-pulseaudio: the server did not start" >&2
    cat "$root/server.log" >&2 || true
    return 1
  }
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! pactl info >/dev/null 2>&1; then
    echo "with-pulseaudio: the server does not answer" >&2
    cat "$root/server.log" >&2 || true
    return 1
  fi
  # The loopback needs a moment before the sink settles at its low latency.
  if grep -q module-loopback "$root/server.pa"; then
    sleep 2
  fi
}

if [ "${1:-}" = --restart ]; then
  : "${VELMORA_PULSE_ROOT:?--restart works only inside a command run by $0}"
  # The command may have changed them, as tests/support/with-xvfb.sh does.
  export XDG_RUNTIME_DIR=$VELMORA_PULSE_ROOT/runtime HOME=$VELMORA_PULSE_ROOT/home
  start_server "$VELMORA_PULSE_ROOT"
  exit
fi

suspend_on_idle=false
if [ "${1:-}" = --suspend-on-idle ]; then
  suspend_on_idle=true
  shift
fi
if [ $# -eq 0 ]; then
  echo "usage: $0 [--suspend-on-idle] <command> [argument...]" >&2
  exit 2
fi
source "$(dirname "$0")/require-tools.sh"
require_tools pulseaudio pactl

root=$(mktemp -d "${TMPDIR:-/tmp}/velmora-pulse.XXXXXX")

# The server now running, which a restarted one may have replaced; a pid
# file left by a killed server may name another program by now.
server_pid() {
  local pid
  pid=$(cat "$root/runtime/pulse/pid" 2>/dev/null || true)
  if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = pulseaudio ]; then
    echo "$pid"
  fi
}

cleanup() {
  local pid
  pid=$(server_pid)
  if [ -n "$pid" ]; then
    # A command may have left the server stopped.
    kill "$pid" 2>/dev/null || true
    kill -CONT "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -m 700 "$root/runtime" "$root/home"
export XDG_RUNTIME_DIR=$root/runtime
export HOME=$root/home
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
export VELMORA_PULSE_ROOT=$root
VELMORA_WITH_PULSEAUDIO=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
export VELMORA_WITH_PULSEAUDIO
unset PULSE_COOKIE DISPLAY

if $suspend_on_idle; then
  cat > "$root/server.pa" <<'EOF'
load-module module-native-protocol-unix auth-anonymous=1
load-module module-null-sink sink_name=velmora_out sink_properties=device.description=velmora_out
set-default-sink velmora_out
load-module module-suspend-on-idle timeout=1
EOF
else
  cat > "$root/server.pa" <<'EOF'
load-module module-native-protocol-unix auth-anonymous=1
load-module module-null-sink sink_name=velmora_out sink_properties=device.description=velmora_out
load-module module-null-sink sink_name=velmora_keepalive sink_properties=device.description=velmora_keepalive
load-module module-loopback source=velmora_keepalive.monitor sink=velmora_out latency_msec=20
set-default-sink velmora_out
EOF
fi

start_server "$root" || exit 1

# The server is a daemon, outside this script's process tree; should the
# script be killed outright (by a test timeout, say) before its cleanup can
# run, a detached guard still ends the server, or the one that replaced it,
# and removes the folders; it keeps the last server seen, in case they are gone.
setsid -f sh -c '
  until pid=$(cat "$2/runtime/pulse/pid" 2>/dev/null || echo "$pid"); ! kill -0 "$1" 2>/dev/null; do sleep 1; done
  if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = pulseaudio ]; then
    kill "$pid"
    kill -CONT "$pid"
    sleep 1
  fi
  rm -rf "$2"
' guard $$ "$root" </dev/null >/dev/null 2>&1

status=0
"$@" || status=$?
exit "$status"
