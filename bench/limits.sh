# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmark scripts. A benchmark prints every figure beside its
# limit; `make bench` fails when a figure is above its limit. With
# VELMORA_BENCH_LIMITS=off (as `make test` runs them, once, to see that they
# still work) the limits are printed but not enforced, so a busy machine cannot
# fail the test suite.

# within_limit FIGURE LIMIT: true when FIGURE <= LIMIT, or when limits are off.
within_limit() {
  [ "${VELMORA_BENCH_LIMITS:-on}" = off ] && return 0
  awk -v f="$1" -v l="$2" 'BEGIN { exit !(f <= l) }'
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
