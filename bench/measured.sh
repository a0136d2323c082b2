#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a benchmark with its limits only when `make bench` asks for it with
# VELMORA_BENCH_MEASURE=1, on a machine left otherwise quiet. Anywhere else,
# a plain `ctest` among them, the measured run is skipped (exit status 77):
# limits checked beside other work fail by the load alone. The suite still
# runs every benchmark once with its limits off.
# Usage: measured.sh COMMAND [ARGS...]
set -euo pipefail
if [ "${VELMORA_BENCH_MEASURE:-}" != 1 ]; then
  echo "SKIP: the limits are measured by make bench alone (VELMORA_BENCH_MEASURE=1)"
  exit 77
fi
exec "$@"
