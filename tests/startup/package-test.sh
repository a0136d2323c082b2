#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package from debian/ as `make deb` does, without the test
# suite (nocheck), twice: from copies of the sources in two folders of other
# names and depths, under umask 022 and 002, in two time zones and two
# locales. Then checks it as a distributor would:
#  - the two packages, and their debugging symbols, are the same bytes, every
#    file in them dated as the changelog;
#  - the build without the tests never looked for Qt Test or xcb and built
#    the game alone;
#  - the program is hardened, has no RUNPATH and names no build folder, in
#    its debugging symbols and in the package;
#  - the package's files and the libraries it asks for; lintian, the desktop
#    entry, the software-centre metadata and its Spanish translations, the
#    manual pages, the copyright file against the sources, `reuse lint`;
#  - the program unpacked from it starts and shows its main window.
# The sources are only read. All it makes, the tools' temporary files too,
# lies in one folder under the working directory, removed at the end.
# Run under with-xvfb.sh. Usage: package-test.sh SOURCE_DIR
set -euo pipefail
sources=$(cd "$1" && pwd -P)
here=$(dirname "$0")
source "$here/../support/require-tools.sh"
require_tools dpkg-buildpackage dh lintian hardening-check appstreamcli desktop-file-validate man reuse xprop
source "$here/../support/x11-wait.sh"
work=$(mktemp -d "$PWD/package-test.XXXXXX")
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir "$work/tmp"
export TMPDIR=$work/tmp

# build_package OUTPUT UMASK TZ LOCALE [DPKG_BUILDPACKAGE_OPTION...]: makes
# the package in OUTPUT and prints its path. ccache would hand one build the
# other's objects and hide a difference, so it stays out, and so do the
# calling make's job slots.
build_package() {
  local out=$1 mask=$2 zone=$3 locale=$4
  shift 4
  mkdir -p "$out"
  (umask "$mask" && env -u CMAKE_CXX_COMPILER_LAUNCHER -u SOURCE_DATE_EPOCH -u MAKEFLAGS -u MFLAGS -u MAKELEVEL \
     CCACHE_DISABLE=1 TZ="$zone" LC_ALL="$locale" LANG="$locale" \
     DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck \
     "$sources/packaging/make-deb.sh" "$out" "$@") >"$out.log" 2>&1 \
    || fail "making the package in $out failed: $(tail -n 30 "$out.log")"
  ls "$out"/velmora_*.deb
}

first=$work/a/deb
second=$work/second-copy/of-the-sources/deb
deb=$(build_package "$first" 022 UTC C.UTF-8)
echo "package: $(basename "$deb")"

# Without the tests the configuration never looked for Qt Test or xcb, and
# only the game was built.
cache=$first/velmora/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)/CMakeCache.txt
grep -q '^BUILD_TESTING:BOOL=OFF$' "$cache" || fail "the package was built with the tests"
! grep -qE '^(Qt6Test_DIR|(__pkg_config_checked_)?XCB)' "$cache" || fail "a build without the tests looked for Qt Test or xcb"
programs=$(cd "$(dirname "$cache")" && find . -path '*/CMakeFiles' -prune -o \
  -type f -perm -u+x -exec sh -c 'head -c 4 "$1" | grep -q "ELF"' _ {} \; -print)
[ "$programs" = ./games/velmora ] || fail "a build without the tests built more than the game: $programs"
echo "built without the tests: neither Qt Test nor xcb looked for, only ./games/velmora built"

# The second copy is cleaned after its build, for the checks of the sources
# below.
second_deb=$(build_package "$second" 002 Pacific/Kiritimati C --post-clean)
for built in "$deb" "$first"/velmora-dbgsym_*.deb; do
  other=$second/$(basename "$built")
  if ! cmp -s "$built" "$other"; then
    command -v diffoscope >/dev/null && diffoscope --text - "$built" "$other" | head -n 60 >&2 || true
    fail "two builds made different files: $(sha256sum "$built" "$other")"
  fi
done
echo "built twice, in two folders, umasks, time zones and locales: the same package," \
  "sha256 $(sha256sum <"$deb" | cut -d' ' -f1)"

SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$sources/debian/changelog" -STimestamp)
# Every member of the archive and every file in it bears the same date.
stamp=$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
dates=$(TZ=UTC dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{ print $4, $5 }' | sort -u)
[ "$dates" = "$stamp" ] || fail "the files in the package are not all dated $stamp: $dates"
members=$(TZ=UTC ar tv "$deb" | awk '{ print $4, $5, $7, $6 }' | sort -u)
[ "$members" = "$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%b %-d %Y %H:%M')" ] \
  || fail "the members of the package are not all dated $stamp: $members"

contents=$(dpkg-deb -c "$deb")
for file in ./usr/games/velmora ./usr/share/velmora/ayuda.html ./usr/share/velmora/ayuda.css \
            ./usr/share/applications/org.vastrel.Velmora.desktop \
            ./usr/share/metainfo/org.vastrel.Velmora.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/org.vastrel.Velmora.png \
            ./usr/share/icons/hicolor/scalable/apps/org.vastrel.Velmora.svg \
            ./usr/share/man/man6/velmora.6.gz ./usr/share/man/es/man6/velmora.6.gz \
            ./usr/share/doc/velmora/copyright ./usr/share/doc/velmora/changelog.gz; do
  grep -q " ${file}$" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libpulse0 libmpg123-0 "qt6-base-abi (= "; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/games/velmora

# The protections a distribution expects. Control-flow protection stays off
# on Debian 12, whose start files lack its marker, and the stack-clash check
# finds nothing to report in a program with no large stack frames.
# hardening-check fails as a whole for the control-flow protection alone, so
# each line is read instead.
hardening=$(hardening-check "$program" || true)
echo "$hardening"
for protection in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
                  "Read-only relocations" "Immediate binding"; do
  grep -q "^ $protection: yes" <<<"$hardening" || fail "hardening-check: $protection is not yes"
done
! readelf -d "$program" | grep -qE '\((RUNPATH|RPATH)\)' || fail "the program has a RUNPATH: $(readelf -d "$program" | grep PATH)"

# No folder of the machines that built it, in the program nor in its
# debugging information.
dpkg-deb -x "$first"/velmora-dbgsym_*.deb "$work/symbols"
while IFS= read -r -d '' built; do
  if grep -aoF "$work" "$built" >"$work/paths.txt"; then
    fail "$built names a build folder: $(sort -u "$work/paths.txt" | head -n 3)"
  fi
done < <(find "$program" "$work/symbols" -type f -print0)
echo "no build folder named in the program or its debugging symbols"

# Lintian with every tag it knows, the pedantic and informational ones too,
# on the package, its symbols and the build's record. Run as root it first
# says it should not be; that line is no finding about the package. No tag is
# expected: any tag is a finding.
report=$(lintian -I --pedantic --fail-on error,warning,info,pedantic "$first"/velmora_*.changes 2>&1) \
  || fail "lintian: $report"
report=$(grep -v 'running with root privileges is not recommended' <<<"$report" || true)
[ -z "$report" ] || fail "lintian: $report"
echo "lintian -I --pedantic: no tags"

entry=$work/root/usr/share/applications/org.vastrel.Velmora.desktop
metainfo=$work/root/usr/share/metainfo/org.vastrel.Velmora.metainfo.xml
desktop-file-validate "$entry" >"$work/desktop.txt" 2>&1 && [ ! -s "$work/desktop.txt" ] \
  || fail "desktop-file-validate: $(cat "$work/desktop.txt")"
grep -q '^Icon=org.vastrel.Velmora$' "$entry" || fail "the desktop entry names another icon"

# Validating the whole tree also checks that the metadata's launchable is a
# desktop entry in the package. Two findings are expected, and nothing else:
# the application id has capitals (pedantic), and the metadata names its
# maker with <developer>, which Debian 12's AppStream 0.16 predates.
appstreamcli validate-tree --no-net "$work/root" >"$work/appstream.txt" 2>&1 \
  || fail "appstreamcli validate-tree: $(cat "$work/appstream.txt")"
appstreamcli validate --pedantic --no-net "$metainfo" >>"$work/appstream.txt" 2>&1 \
  || fail "appstreamcli validate --pedantic: $(cat "$work/appstream.txt")"
unexpected=$(grep -E '^ *[EWIP]: ' "$work/appstream.txt" \
  | grep -vE '^ *(P: org.vastrel.Velmora:[0-9]+: cid-contains-uppercase-letter |I: org.vastrel.Velmora:[0-9]+: unknown-tag developer$)' \
  || true)
[ -z "$unexpected" ] || fail "appstreamcli: $unexpected"
grep -q 'unknown-tag developer' "$work/appstream.txt" || fail "appstreamcli did not read the metadata"

# English first, with a whole Spanish translation: every text a desktop
# or software centre shows has its Spanish twin.
for key in Name GenericName Comment Keywords; do
  grep -q "^$key=" "$entry" && grep -q "^$key\[es\]=" "$entry" \
    || fail "the desktop entry lacks $key or $key[es]"
done
/usr/bin/python3 - "$metainfo" <<'PYTHON' || fail "the metadata's Spanish translation is not whole"
import sys
import xml.etree.ElementTree as ET

LANG = "{http://www.w3.org/XML/1998/namespace}lang"
component = ET.parse(sys.argv[1]).getroot()
groups = [(component, "name"), (component, "summary"), (component.find("keywords"), "keyword")]
groups += [(description, "p") for description in component.iter("description")]
groups += [(items, "li") for items in component.iter("ul")]
groups += [(shot, "caption") for shot in component.iter("screenshot")]
whole = True
for parent, tag in groups:
    english = [e for e in parent.findall(tag) if LANG not in e.attrib]
    spanish = [e for e in parent.findall(tag) if e.attrib.get(LANG) == "es"]
    if not english or len(english) != len(spanish):
        print(f"<{tag}> under <{parent.tag}>: {len(english)} in English, {len(spanish)} in Spanish")
        whole = False
sys.exit(0 if whole else 1)
PYTHON

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

# The copyright file speaks of the sources as they are: every pattern names
# at least one file, and every face travels with its holders and the whole
# of its licence.
copy=$second/velmora
copyright=$work/root/usr/share/doc/velmora/copyright
patterns=$(awk '/^Files:/ { sub(/^Files:/, ""); print; more = 1; next }
                /^ / && more { print; next } { more = 0 }' "$copyright" | tr ' ' '\n' | grep -v '^$')
while IFS= read -r pattern; do
  matches=$(cd "$copy" && compgen -G "$pattern" || true)
  [ -n "$matches" ] || fail "the copyright file's 'Files: $pattern' matches no file of the sources"
done <<<"$patterns"
for font in "$copy"/assets/fonts/*.ttf "$copy"/assets/fonts/*.otf; do
  grep -qE "^Files: (.* )?assets/fonts/$(basename "$font")( |$)" "$copyright" \
    || fail "the copyright file does not name $(basename "$font")"
done
grep -q '^License: OFL-1.1$' "$copyright" \
  && grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$copyright" \
  && grep -q 'OTHER DEALINGS IN THE FONT SOFTWARE\.$' "$copyright" \
  || fail "the copyright file does not carry the text of the SIL Open Font License"
for licence in "GPL-3+" "OFL-1.1" "GPL-3 with Qt-1.0 exception" "FSFAP"; do
  grep -qxF "License: $licence" "$copyright" || fail "the copyright file lacks the text of $licence"
done

# Every file of the sources says under which licence it is, and every licence
# named has its text under LICENSES/.
reuse --root "$copy" lint >"$work/reuse.txt" 2>&1 || fail "reuse lint: $(cat "$work/reuse.txt")"
echo "reuse lint: $(grep -i 'compliant' "$work/reuse.txt")"

# A desktop on X11 finds the window's desktop entry by the window class the
# entry names.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
PULSE_SERVER=unix:/nonexistent/velmora-no-sound "$program" &
pid=$!
window=$(wait_for_window '^VELMORA' "$pid") || fail "the unpacked program showed no main window"
echo "the unpacked program shows its main window"
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"" \
  || fail "the window's class is not the desktop entry's '$wm_class': $(xprop -id "$window" WM_CLASS)"
