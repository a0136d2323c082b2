#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a built tree and checks it as a distributor
# would: its files and the libraries it asks for, lintian with no error and no
# warning, the software-centre metadata, the manual pages, the licences in the
# copyright file; then unpacks it into a temporary root and starts the
# unpacked program until its main window shows. Run under with-xvfb.sh.
# Usage: package-test.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../support/x11-wait.sh"
fonts=$(cd "$(dirname "$0")/../../assets/fonts" && pwd)
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
for file in ./usr/games/velmora ./usr/share/velmora/ayuda.html \
            ./usr/share/applications/org.vastrel.Velmora.desktop \
            ./usr/share/metainfo/org.vastrel.Velmora.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/velmora.png \
            ./usr/share/man/man6/velmora.6.gz ./usr/share/man/es/man6/velmora.6.gz \
            ./usr/share/doc/velmora/copyright ./usr/share/doc/velmora/changelog.gz; do
  grep -q " ${file}$" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libpulse0 libsndfile1; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done

# Run as root, lintian first says that it should not be; that line is no
# finding about the package.
if ! report=$(lintian --fail-on error,warning "$deb" 2>&1); then
  fail "lintian: $report"
fi
report=$(grep -v 'running with root privileges is not recommended' <<<"$report" || true)
echo "lintian: no errors or warnings${report:+ (notes: $(tr '\n' ' ' <<<"$report"))}"

dpkg-deb -x "$deb" "$work/root"

# Validating the whole tree also checks that the metadata's launchable is a
# desktop entry in the package.
appstreamcli validate-tree --no-net --strict "$work/root" >"$work/appstream.txt" 2>&1 \
  || fail "appstreamcli: $(cat "$work/appstream.txt")"

# Both manual pages render without a warning and name the keys and the program.
for page in man/man6/velmora.6.gz:KEYS man/es/man6/velmora.6.gz:TECLAS; do
  file=$work/root/usr/share/${page%%:*}
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>"$work/man-warnings.txt") \
    || fail "man cannot render $file"
  [ ! -s "$work/man-warnings.txt" ] || fail "man warns about $file: $(cat "$work/man-warnings.txt")"
  for word in "${page##*:}" F1 F2 F3 /usr/games/velmora; do
    grep -q -- "$word" <<<"$text" || fail "the manual page $file does not mention $word"
  done
done

# The fonts travel with their copyright holders and the whole of their licence.
copyright=$work/root/usr/share/doc/velmora/copyright
for font in "$fonts"/*.ttf "$fonts"/*.otf; do
  grep -q "^Files: assets/fonts/$(basename "$font")$" "$copyright" \
    || fail "the copyright file does not name $(basename "$font")"
done
grep -q '^License: OFL-1.1$' "$copyright" \
  && grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$copyright" \
  && grep -q 'OTHER DEALINGS IN THE FONT SOFTWARE\.$' "$copyright" \
  || fail "the copyright file does not carry the text of the SIL Open Font License"

# A desktop on X11 finds the window's desktop entry by the window class the
# entry names.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/org.vastrel.Velmora.desktop")
PULSE_SERVER=unix:/nonexistent/velmora-no-sound "$work/root/usr/games/velmora" &
pid=$!
window=$(wait_for_window '^VELMORA' "$pid") || fail "the unpacked program showed no main window"
echo "the unpacked program shows its main window"
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"" \
  || fail "the window's class is not the desktop entry's '$wm_class': $(xprop -id "$window" WM_CLASS)"
