#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian package as an upload is checked, in clean Debian 12
# chroots made from Debian's mirror, as `make deb-qa` does:
#   packaging/debian-qa.sh WORK_DIR
# In WORK_DIR it keeps the two chroots between runs (a build chroot and a
# minimal test bed, made by mmdebstrap in unshare mode, which needs no root
# but subordinate ids for the user in /etc/subuid and /etc/subgid), and
# writes the source package from the files git tracks, then:
#  - sbuild builds it with its tests and again without (nocheck), and the
#    build with its tests has installed no display, sound server or screen
#    reader;
#  - lintian -I --pedantic reports nothing on the source and the builds;
#  - autopkgtest runs debian/tests in the clean test bed;
#  - piuparts installs and purges the package there (as root, through sudo
#    for another user).
# Each tool's output is in WORK_DIR, named after the step; the script stops
# at the first step that fails. Packages needed: mmdebstrap sbuild uidmap
# autopkgtest piuparts lintian.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 WORK_DIR" >&2; exit 2; }
source=$(cd "$(dirname "$0")/.." && pwd -P)
mkdir -p "$1"
work=$(cd "$1" && pwd -P)
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -SVersion)
arch=$(dpkg --print-architecture)
buildd=$work/bookworm-buildd.tar.zst
testbed=$work/bookworm-minbase.tar.gz

step() { echo "== $1"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
# run LOG COMMAND...: runs the command with its output in WORK_DIR/LOG.
run() {
  local log=$work/$1
  shift
  "$@" >"$log" 2>&1 || fail "$* (see $log): $(tail -n 20 "$log")"
}

step "chroots"
[ -s "$buildd" ] || run mmdebstrap-buildd.log mmdebstrap --mode=unshare --variant=buildd bookworm "$buildd"
[ -s "$testbed" ] || run mmdebstrap-minbase.log mmdebstrap --mode=unshare --variant=minbase bookworm "$testbed"

step "source package velmora_$version.dsc"
rm -rf "$work/source"
mkdir -p "$work/source/velmora-$version"
(cd "$source" && git ls-files -z) | (cd "$source" && tar --null -T - -cf -) | tar -xf - -C "$work/source/velmora-$version"
(cd "$work/source" && run dpkg-source.log dpkg-source -b "velmora-$version")
dsc=$work/source/velmora_$version.dsc

# build DIR [sbuild option...]: builds the binary package in WORK_DIR/DIR,
# its log in WORK_DIR/DIR.log.
build() {
  local dir=$1
  shift
  rm -rf "${work:?}/$dir"
  mkdir -p "$work/$dir"
  (cd "$work/$dir" && run "$dir.log" sbuild --chroot-mode=unshare --chroot="$buildd" -d unstable \
    --no-source --arch-any --no-run-lintian --no-run-piuparts --no-run-autopkgtest "$@" "$dsc")
}
step "sbuild with the tests"
build with-tests
step "sbuild without the tests"
DEB_BUILD_OPTIONS=nocheck build nocheck --profiles=nocheck
deb=$work/with-tests/velmora_${version}_$arch.deb

installed=$(sed -n 's/^Unpacking \([^ :]*\).*/\1/p' "$work/with-tests/velmora_${version}_$arch.build" |
  grep -xE 'xvfb|xserver-.*|xwayland|weston|sway|pulseaudio|pipewire.*|wireplumber|orca|speech-dispatcher|openbox' || true)
[ -z "$installed" ] || fail "the build with its tests installed: $installed"
echo "the build with its tests installed no display, sound server or screen reader"
fonts=$(dpkg-deb -c "$deb" | grep -iE '\.(ttf|otf|pfb|woff2?)$' || true)
[ -z "$fonts" ] || fail "the package carries font files: $fonts"

step "lintian -I --pedantic"
run lintian.log lintian -I --pedantic --fail-on error,warning,info,pedantic "$dsc" "$work"/with-tests/velmora_*.changes \
  "$work"/nocheck/velmora_*.changes
if grep -v 'running with root privileges' "$work/lintian.log" | grep -q .; then fail "lintian: $(cat "$work/lintian.log")"; fi

step "autopkgtest in a clean test bed"
rm -rf "$work/autopkgtest"
run autopkgtest.log autopkgtest -U "$dsc" "$deb" -o "$work/autopkgtest" -- unshare -t "$testbed" -r bookworm -a "$arch"

step "piuparts"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
run piuparts.log "${sudo[@]}" piuparts -b "$testbed" -d bookworm "$deb"
echo "all checks passed"
