#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the launch of the real program to its first painted pixel against a
# bare Qt Widgets window, seen from outside by first_pixel_probe, on the
# current X display (which must have a black root window: Xvfb -br). The two
# are launched in turn, RUNS times each (7 unless VELMORA_BENCH_RUNS says
# otherwise), and the medians and their ratio are printed. Fails when the
# program takes more than 1.3 times as long as the bare window.
# Usage: startup-bench.sh PROBE PROGRAM BARE_PROGRAM
set -euo pipefail
. "$(dirname "$0")/../limits.sh"

probe=$1
program=$2
bare=$3
runs=${VELMORA_BENCH_RUNS:-7}
limit=1.3

launch() { "$probe" "$1" | awk '/^first-pixel-ms/ { print $2 }'; }

# One unmeasured launch of each warms the file cache and the X server.
launch "$program" >/dev/null
launch "$bare" >/dev/null

program_times=() bare_times=()
for _ in $(seq "$runs"); do
  program_times+=("$(launch "$program")")
  bare_times+=("$(launch "$bare")")
done

program_median=$(median "${program_times[@]}")
bare_median=$(median "${bare_times[@]}")
startup_ratio=$(ratio "$program_median" "$bare_median")

echo "launch to first painted pixel, median of ${runs} launches each:"
echo "  velmora (splash):   ${program_median} ms   (runs: ${program_times[*]})"
echo "  bare Qt window:     ${bare_median} ms   (runs: ${bare_times[*]})"
echo "  ratio:              ${startup_ratio}   (limit ${limit})"

within_limit "$startup_ratio" "$limit" || { echo "FAIL: the program paints later than ${limit} x the bare window"; exit 1; }
