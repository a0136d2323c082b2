#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a private, headless PulseAudio server.
#
#   tests/support/with-pulseaudio.sh <command> [argument...]
#
# The server gets its own runtime and home folders in a temporary directory,
# plays into a null sink and is killed, with the folders removed, when the
# command ends, fails or is interrupted. The command sees XDG_RUNTIME_DIR and
# PULSE_SERVER pointing at it. The exit status is the command's.
#
# An idle null sink runs at a latency of about two seconds, which would hold
# every clip up to two seconds past its end; a loopback from a second null sink's monitor
# into the default sink keeps it at 20 ms.
set -euo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 <command> [argument...]" >&2
  exit 2
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/velmora-pulse.XXXXXX")
pid=""

cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
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
unset PULSE_COOKIE DISPLAY

cat > "$root/server.pa" <<'EOF'
load-module module-native-protocol-unix auth-anonymous=1
load-module module-null-sink sink_name=velmora_out sink_properties=device.description=velmora_out
load-module module-null-sink sink_name=velmora_keepalive sink_properties=device.description=velmora_keepalive
load-module module-loopback source=velmora_keepalive.monitor sink=velmora_out latency_msec=20
set-default-sink velmora_out
EOF

pulseaudio -D -n -F "$root/server.pa" --exit-idle-time=-1 --disallow-exit \
  --use-pid-file=yes --log-target=file:"$root/server.log" 2>>"$root/server.log" || {
  echo "with-pulseaudio: the server did not start" >&2
  cat "$root/server.log" >&2 || true
  exit 1
}

for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "with-pulseaudio: the server does not answer" >&2
  cat "$root/server.log" >&2 || true
  exit 1
fi
pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid")

# The server is a daemon, outside this script's process tree; should the
# script be killed outright (by a test timeout, say) before its cleanup can
# run, a detached guard still ends the server and removes the folders.
setsid -f sh -c '
  while kill -0 "$1" 2>/dev/null; do sleep 1; done
  if [ "$(cat /proc/"$2"/comm 2>/dev/null)" = pulseaudio ]; then
    kill "$2"
    sleep 1
  fi
  rm -rf "$3"
' guard $$ "$pid" "$root" </dev/null >/dev/null 2>&1

# The loopback needs a moment before the sink settles at its low latency.
sleep 2

status=0
"$@" || status=$?
exit "$status"
