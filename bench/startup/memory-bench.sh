#!/usr/bin/env bash
# Measures the memory of the real program with a round in progress against a
# bare Qt Widgets window, on the current X display. The program is driven as a
# player would: after the splash the main window appears, Enter on the play
# button, which has the focus, starts a round (the "Nuevo juego" item, F2,
# stays disabled until the first round) and two letters are typed, their sound
# cues played on whatever audio server PULSE_SERVER names. Each process is
# measured alone, from /proc/PID/smaps_rollup: resident (RSS) and proportional
# (PSS) size, and what the resident memory serves, from /proc/PID/smaps.
# Fails when the program's RSS is more than 1.4 times the bare window's.
# Usage: memory-bench.sh PROGRAM BARE_PROGRAM
set -euo pipefail
. "$(dirname "$0")/../limits.sh"

program=$1
bare=$2
limit=1.4
pid=""
maps=$(mktemp -d)
trap '[ -z "$pid" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; } || true; rm -rf "$maps"' EXIT

source "$(dirname "$0")/../../tests/support/x11-wait.sh"

# kib FIELD: the field of the running process's smaps_rollup, in KiB.
kib() { awk -v f="$1:" '$1 == f { print $2 }' "/proc/$pid/smaps_rollup"; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
threads() { awk '$1 == "Threads:" { print $2 }' "/proc/$pid/status"; }

stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""; }

"$bare" &
pid=$!
wait_for_window '^Velmora$' >/dev/null
sleep 1
bare_rss=$(kib Rss) bare_pss=$(kib Pss) bare_threads=$(threads)
cp "/proc/$pid/smaps" "$maps/bare"
stop

"$program" &
pid=$!
window=$(wait_for_window '^VELMORA')
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Return
wait_for_caption "$window" '^VELMORA$'
xdotool type --delay 100 'ea'
# Let both letters' cues play out before reading.
sleep 2
program_rss=$(kib Rss) program_pss=$(kib Pss) program_threads=$(threads)
cp "/proc/$pid/smaps" "$maps/program"
stop

rss_ratio=$(ratio "$program_rss" "$bare_rss")
pss_ratio=$(ratio "$program_pss" "$bare_pss")
echo "memory, each process alone (audio server: ${PULSE_SERVER:-default}):"
echo "  velmora, round in progress:  RSS $(mib "$program_rss") MiB, PSS $(mib "$program_pss") MiB, ${program_threads} threads"
echo "  bare Qt window:              RSS $(mib "$bare_rss") MiB, PSS $(mib "$bare_pss") MiB, ${bare_threads} threads"
echo "  RSS ratio:                   ${rss_ratio}   (limit ${limit})"
echo "  PSS ratio:                   ${pss_ratio}"
echo "where the resident memory goes, largest difference first (MiB):"
printf '  %-54s %9s %9s %9s\n' "" velmora bare more
awk -f "$(dirname "$0")/memory-breakdown.awk" "$maps/program" "$maps/bare" | sort -t'|' -k2 -gr | tr -d '|'

within_limit "$rss_ratio" "$limit" || { echo "FAIL: the program holds more than ${limit} x the bare window's memory"; exit 1; }
