#!/usr/bin/env bash
# Times process launch to first painted window for the splash and for a bare
# Qt Widgets window, launching them in turn five times each on the current X
# display, and prints the medians and their ratio. Fails when the splash takes
# more than 1.5 times as long as the bare window.
# Usage: startup-bench.sh SPLASH_PROGRAM BARE_PROGRAM
set -euo pipefail
. "$(dirname "$0")/../limits.sh"

splash=$1
bare=$2
runs=${VELMORA_BENCH_RUNS:-5}
limit=1.5
export PULSE_SERVER=unix:/nonexistent/pulse/native

launch() {
  local launched=${EPOCHREALTIME/./}
  VELMORA_BENCH_LAUNCHED_US=$launched "$1" | awk '/^first-paint-ms/ { print $2 }'
}

# One unmeasured launch of each warms the file cache and the X server.
launch "$splash" >/dev/null
launch "$bare" >/dev/null

splash_times=() bare_times=()
for _ in $(seq "$runs"); do
  splash_times+=("$(launch "$splash")")
  bare_times+=("$(launch "$bare")")
done

splash_median=$(median "${splash_times[@]}")
bare_median=$(median "${bare_times[@]}")
splash_ratio=$(ratio "$splash_median" "$bare_median")

echo "launch to first paint, median of ${runs} launches each:"
echo "  splash window:      ${splash_median} ms   (runs: ${splash_times[*]})"
echo "  bare Qt window:     ${bare_median} ms   (runs: ${bare_times[*]})"
echo "  ratio splash/bare:  ${splash_ratio}   (limit ${limit})"

within_limit "$splash_ratio" "$limit" || { echo "FAIL: the splash is slower than ${limit} x the bare window"; exit 1; }
