#!/usr/bin/env bash
# Makes the Debian package from a built tree, checks its files and the
# libraries it asks for, unpacks it into a temporary root and starts the
# unpacked program until its main window shows. Run under with-xvfb.sh.
# Usage: package-test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-package.XXXXXX")
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/velmora_*.deb)
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/velmora ./usr/share/velmora/ayuda.html ./usr/share/applications/velmora.desktop \
            ./usr/share/icons/hicolor/48x48/apps/velmora.png; do
  grep -q " ${file}$" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libpulse0 libsndfile1; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
PULSE_SERVER=unix:/nonexistent/velmora-no-sound "$work/root/usr/bin/velmora" &
pid=$!
for _ in $(seq 1 300); do
  if xdotool search --onlyvisible --name '^VELMORA' >/dev/null 2>&1; then
    echo "the unpacked program shows its main window"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || fail "the unpacked program ended by itself"
  sleep 0.02
done
fail "the unpacked program showed no main window"
