#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package reproducibly, as `make deb` does:
#   packaging/make-deb.sh BUILD_DIR OUTPUT_DIR [CMAKE_ARGUMENT...]
# configures the sources this script belongs to in BUILD_DIR with only what
# is installed (no tests, tools or benchmarks), for /usr with the program in
# games/, builds them and writes the .deb into OUTPUT_DIR. Every date in the
# package is SOURCE_DATE_EPOCH: the environment's, else the last commit's,
# else the changelog's. The same sources built anywhere make the same bytes.
set -euo pipefail

[ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR OUTPUT_DIR [CMAKE_ARGUMENT...]" >&2; exit 2; }
source=$(cd "$(dirname "$0")/.." && pwd -P)
build=$1
out=$2
shift 2

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" = "$source" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct)
  else
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/packaging/changelog" -STimestamp)
  fi
fi
export SOURCE_DATE_EPOCH

cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games "$@" >/dev/null
cmake --build "$build" --parallel "${JOBS:-$(nproc)}"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
ls "$out"/velmora_*.deb
