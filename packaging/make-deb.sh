#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package from the source package in debian/, as `make deb`
# does:
#   packaging/make-deb.sh OUTPUT_DIR [DPKG_BUILDPACKAGE_OPTION...]
# copies the sources this script belongs to into OUTPUT_DIR/velmora and runs
# `dpkg-buildpackage -us -uc -b` there, which writes the package, its
# debugging symbols, .buildinfo and .changes beside the copy, in OUTPUT_DIR.
# Built in place, debhelper's folders would land in the working tree and the
# results beside it. The copy holds the files git tracks or would track, as
# they are now (without git, every file), never a build tree, each writable
# and dated now: a read-only checkout builds, and every date in the package
# is the changelog's. DEB_BUILD_OPTIONS (nocheck, say) and DEB_BUILD_PROFILES
# are dpkg-buildpackage's own.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 OUTPUT_DIR [DPKG_BUILDPACKAGE_OPTION...]" >&2; exit 2; }
source=$(cd "$(dirname "$0")/.." && pwd -P)
mkdir -p "$1"
out=$(cd "$1" && pwd -P)
shift
copy=$out/velmora

# Build trees, any folder holding a CMakeCache.txt, and the output folder
# are no part of the sources.
mapfile -t excluded < <(cd "$source" && find . -name .git -prune -o -name CMakeCache.txt -printf '%h\n' \
  | sed 's|^\./||')
case $out/ in "$source"/*) excluded+=("${out#"$source"/}") ;; esac
is_excluded() {
  local tree
  for tree in "${excluded[@]}"; do [[ $1 == "$tree"/* ]] && return 0; done
  return 1
}
list_sources() {
  if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" = "$source" ]; then
    git -C "$source" ls-files -z --cached --others --exclude-standard
  else
    (cd "$source" && find . -name .git -prune -o ! -type d -printf '%P\0')
  fi
}

rm -rf "$copy" "$out"/velmora_* "$out"/velmora-dbgsym_*
mkdir -p "$copy"
list_sources | while IFS= read -r -d '' file; do
  if [ -e "$source/$file" ] && ! is_excluded "$file"; then printf '%s\0' "$file"; fi
done | (cd "$source" && tar --null -T - -cf -) | tar -xf - --touch -C "$copy"
chmod -R u+w "$copy"

(cd "$copy" && dpkg-buildpackage -us -uc -b "$@")
ls "$out"/velmora_*.deb
