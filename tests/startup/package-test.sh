#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package as `make deb` does, twice, from copies of the
# sources in two different folders, with Qt Test hidden from CMake, and checks
# it as a distributor would:
#  - the two packages are the same bytes, every file in them dated
#    SOURCE_DATE_EPOCH;
#  - a build without the tests needs neither Qt Test nor xcb and builds the
#    game alone;
#  - the program is hardened, has no RUNPATH and names no build folder, in
#    the build tree (with its debugging information) and in the package;
#  - the package's files and the libraries it asks for; lintian, the desktop
#    entry, the software-centre metadata and its Spanish translations, the
#    manual pages, the copyright file against the sources, `reuse lint`;
#  - the program unpacked from it starts and shows its main window.
# Run under with-xvfb.sh. Usage: package-test.sh SOURCE_DIR
set -euo pipefail
sources=$(cd "$1" && pwd -P)
source "$(dirname "$0")/../support/x11-wait.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-package.XXXXXX")
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

is_git_tree() { [ "$(git -C "$sources" rev-parse --show-toplevel 2>/dev/null)" = "$sources" ]; }

# Build trees inside the sources, any folder holding a CMakeCache.txt, are
# no part of them.
mapfile -t build_trees < <(cd "$sources" && find . -name .git -prune -o -name CMakeCache.txt -printf '%h\n' \
  | sed 's|^\./||')
in_build_tree() {
  local tree
  for tree in "${build_trees[@]}"; do [[ $1 == "$tree"/* ]] && return 0; done
  return 1
}

# copy_sources DEST: the files git tracks, or would track, as they are now;
# without git, every file. Build trees are left out either way.
copy_sources() {
  mkdir -p "$1"
  if is_git_tree; then
    (cd "$sources" && git ls-files -z --cached --others --exclude-standard \
      | while IFS= read -r -d '' file; do
          if [ -e "$file" ] && ! in_build_tree "$file"; then printf '%s\0' "$file"; fi
        done \
      | tar --null -T - -cf -) | tar -xf - -C "$1"
  else
    local excluded=(--exclude=./.git) tree
    for tree in "${build_trees[@]}"; do excluded+=(--exclude="./$tree"); done
    tar -C "$sources" "${excluded[@]}" -cf - . | tar -xf - -C "$1"
  fi
}

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if is_git_tree; then
    SOURCE_DATE_EPOCH=$(git -C "$sources" log -1 --format=%ct)
  else
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$sources/packaging/changelog" -STimestamp)
  fi
fi
export SOURCE_DATE_EPOCH

# build_package DIR BUILD: copies the sources into DIR and makes the package
# from them in BUILD, printing the package's path. ccache would hand one
# build the other's objects and hide a difference, so it stays out.
build_package() {
  copy_sources "$1"
  env -u CMAKE_CXX_COMPILER_LAUNCHER CCACHE_DISABLE=1 \
    "$1/packaging/make-deb.sh" "$2" "$2-package" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON >"$2.log" 2>&1 \
    || fail "making the package in $2 failed: $(tail -n 30 "$2.log")"
  ls "$2"-package/velmora_*.deb
}

# The two builds differ in every path: the folders' names and depths, and
# the build folder beside the sources once and inside them once, as
# debhelper lays it out.
first_build=$work/a/build
second_sources=$work/second-copy/of-the-sources/velmora-1.0.0.1
second_build=$second_sources/obj-x86_64-linux-gnu
deb=$(build_package "$work/a/velmora" "$first_build")
echo "package: $(basename "$deb")"

# Without the tests the configuration found everything it needed with Qt
# Test hidden, never looked for xcb, and built the game alone.
cache=$first_build/CMakeCache.txt
grep -q '^BUILD_TESTING:BOOL=OFF$' "$cache" || fail "the package was built with the tests"
! grep -qE '^(__pkg_config_checked_)?XCB' "$cache" || fail "a build without the tests looked for xcb"
programs=$(cd "$first_build" && find . -path ./CMakeFiles -prune -o -path '*/CMakeFiles' -prune -o \
  -type f -perm -u+x -exec sh -c 'head -c 4 "$1" | grep -q "ELF"' _ {} \; -print)
[ "$programs" = ./games/velmora ] || fail "a build without the tests built more than the game: $programs"
echo "built without the tests: Qt Test hidden, xcb not looked for, only ./games/velmora built"

second_deb=$(build_package "$second_sources" "$second_build")
first_sum=$(sha256sum <"$deb" | cut -d' ' -f1)
second_sum=$(sha256sum <"$second_deb" | cut -d' ' -f1)
if [ "$first_sum" != "$second_sum" ]; then
  command -v diffoscope >/dev/null && diffoscope --text - "$deb" "$second_deb" | head -n 60 >&2 || true
  fail "two builds in two folders made different packages: $first_sum and $second_sum"
fi
echo "built twice in two folders: the same package, sha256 $first_sum"

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
for library in libqt6widgets6 libpulse0 libsndfile1; do
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

# No folder of the machines that built it: neither in the packaged program
# nor in the build tree's, which still has its debugging information.
for built in "$program" "$first_build/games/velmora" "$second_build/games/velmora"; do
  if grep -aoF "$work" "$built" >"$work/paths.txt"; then
    fail "$built names a build folder: $(sort -u "$work/paths.txt" | head -n 3)"
  fi
done
echo "no build folder named in the program"

# Lintian with every tag it knows, the pedantic and informational ones too.
# Run as root it first says it should not be; that line is no finding about
# the package. No tag is expected: any tag is a finding.
report=$(lintian -I --pedantic --fail-on error,warning,info,pedantic "$deb" 2>&1) || fail "lintian: $report"
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
copy=$work/a/velmora
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
