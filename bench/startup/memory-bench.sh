#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the memory of the real program with a round in progress against a
# bare Qt Widgets window, on the current X display. The program is driven as a
# player would: after the splash the main window appears, Enter on the play
# button, which has the focus, starts a round (the "Nuevo juego" item, F2,
# stays disabled until the first round) and "e", "a" and "x" are typed, their
# sound cues played on whatever audio server PULSE_SERVER names: in 93 rounds
# of 100 at least one of them is in the title and one is not, so the round
# holds both the letter-found and the miss cue's decoding, as most rounds do. Each process is
# measured alone, from /proc/PID/smaps_rollup: resident (RSS) and proportional
# (PSS) size. The two are launched in turn, RUNS times each (5 unless
# VELMORA_BENCH_RUNS says otherwise), since a library page that another
# process has just read can be mapped along with its neighbours and sway one
# reading by a few hundred KiB; the medians are compared, and the median
# launches' /proc/PID/smaps say what the resident memory serves.
# Fails when the program's median RSS is more than 1.42 times the bare window's.
# The limit is for a program built as Debian builds it, writing with the
# system's whole faces (-DVELMORA_SYSTEM_FONTS=ON, which `make bench` measures
# in a build folder of its own, build-system-faces/); a plain build,
# whose faces are the smaller parts carried inside it, holds less. The script
# says which faces the program it measured wrote with.
# Usage: memory-bench.sh PROGRAM BARE_PROGRAM
set -euo pipefail
. "$(dirname "$0")/../limits.sh"

program=$1
bare=$2
limit=1.42
runs=${VELMORA_BENCH_RUNS:-5}
pid=""
maps=$(mktemp -d)
trap '[ -z "$pid" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; } || true; rm -rf "$maps"' EXIT

source "$(dirname "$0")/../../tests/support/x11-wait.sh"

# kib FIELD: the field of the running process's smaps_rollup, in KiB.
kib() { awk -v f="$1:" '$1 == f { print $2 }' "/proc/$pid/smaps_rollup"; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
threads() { awk '$1 == "Threads:" { print $2 }' "/proc/$pid/status"; }

stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""; }

# record NAME RUN: keeps the running process's figures as NAME's RUN-th.
record() {
  echo "$(kib Rss) $(kib Pss) $(threads)" > "$maps/$1.$2.figures"
  cp "/proc/$pid/smaps" "$maps/$1.$2.smaps"
}

measure_bare() {
  "$bare" &
  pid=$!
  wait_for_window '^Velmora$' >/dev/null
  sleep 1
  record bare "$1"
  stop
}

measure_program() {
  "$program" &
  pid=$!
  local window
  window=$(wait_for_window '^VELMORA')
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key Return
  wait_for_caption "$window" '^VELMORA$'
  xdotool type --delay 100 'eax'
  # Let the letters' cues play out before reading.
  sleep 3
  record velmora "$1"
  stop
}

for run in $(seq "$runs"); do
  measure_bare "$run"
  measure_program "$run"
done

# median_run NAME: the run whose RSS is NAME's median.
median_run() {
  for run in $(seq "$runs"); do echo "$(cut -d' ' -f1 "$maps/$1.$run.figures") $run"; done |
    sort -n | awk '{ r[NR] = $2 } END { print r[int((NR + 1) / 2)] }'
}
program_run=$(median_run velmora)
bare_run=$(median_run bare)
read -r program_rss program_pss program_threads < "$maps/velmora.$program_run.figures"
read -r bare_rss bare_pss bare_threads < "$maps/bare.$bare_run.figures"
all_rss() { for run in $(seq "$runs"); do mib "$(cut -d' ' -f1 "$maps/$1.$run.figures")"; echo -n ' '; done; }

rss_ratio=$(ratio "$program_rss" "$bare_rss")
pss_ratio=$(ratio "$program_pss" "$bare_pss")
echo "memory, each process alone, median of ${runs} launches each (audio server: ${PULSE_SERVER:-default}):"
echo "  velmora, round in progress:  RSS $(mib "$program_rss") MiB, PSS $(mib "$program_pss") MiB, ${program_threads} threads   (RSS runs: $(all_rss velmora))"
echo "  bare Qt window:              RSS $(mib "$bare_rss") MiB, PSS $(mib "$bare_pss") MiB, ${bare_threads} threads   (RSS runs: $(all_rss bare))"
echo "  RSS ratio:                   ${rss_ratio}   (limit ${limit})"
if grep -q -E '/fonts/.*/(Quicksand|Carlito)' "$maps/velmora.$program_run.smaps"; then
  echo "  faces:                       the system's whole faces, as Debian's package writes"
else
  echo "  faces:                       the parts carried inside the program"
fi
echo "  PSS ratio:                   ${pss_ratio}"
echo "where the resident memory goes in the median launches, largest difference first (MiB):"
printf '  %-54s %9s %9s %9s\n' "" velmora bare more
awk -f "$(dirname "$0")/memory-breakdown.awk" "$maps/velmora.$program_run.smaps" "$maps/bare.$bare_run.smaps" |
  sort -t'|' -k2 -gr | tr -d '|'

within_limit "$rss_ratio" "$limit" || { echo "FAIL: the program holds more than ${limit} x the bare window's memory"; exit 1; }
