#!/usr/bin/env bash
# Cuts Debian's Carlito Regular down to the characters the game writes with it
# and writes it, renamed "Velmora Sans", as assets/fonts/VelmoraSans-Regular.ttf.
#
#   tools/fonts/subset-faces.sh [output-folder]
#
# The face draws the score band, the help page in the program's own window and
# the word on the splash. It keeps Basic Latin, Latin-1, the common
# punctuation, the euro, trade mark and minus signs and every character of the
# help page, with their hinting, kerning and ligatures, so they come out exactly
# as Carlito's. Only the superscripts and the ordinal signs (ª º) are drawn a
# pixel apart here and there: FreeType's automatic hinter measures them against
# superscript letters the face no longer has. Latin Extended-A, Greek and
# Cyrillic go: nothing the game writes in this face needs them, and Latin
# Extended-A alone would make the file half as big again.
#
# Carlito's licence (SIL Open Font License 1.1) reserves the name "Carlito":
# a modified version, and a subset is one, must carry another name. So every
# name record that names the face is rewritten; the copyright and licence
# records, which state that reservation, stay as they are.
#
# Needs apt-get (the package is downloaded, not installed) and python3-fonttools.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../assets/fonts}
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The face as Debian 12 ships it; another build of it would give other glyphs.
package=fonts-crosextra-carlito
source_sha256=b4ff23ba370cc95a3c349336b73f9c28514a1371210f89832efc85c4b1ea7131

# apt-get download writes as its own unprivileged user when run as root.
chmod 777 "$work"
(cd "$work" && apt-get download -q "$package" > /dev/null)
dpkg-deb -x "$work"/"$package"_*.deb "$work/package"
carlito=$work/package/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf
echo "$source_sha256  $carlito" | sha256sum --check --quiet

# Debian's fontTools module, whatever python3 comes first on the path.
/usr/bin/python3 - "$carlito" "$here/../../assets/help/ayuda.html" "$out/VelmoraSans-Regular.ttf" <<'EOF'
import html
import logging
import sys
from fontTools import subset
from fontTools.ttLib import TTFont

source, help_page, output = sys.argv[1:]
# Carlito's creation date reads as a Unix time, which fontTools warns about;
# the date is kept as it is.
logging.getLogger("fontTools.ttLib.tables._h_e_a_d").setLevel(logging.ERROR)

characters = set(range(0x20, 0x7F)) | set(range(0xA0, 0x100)) | set(range(0x2010, 0x2028))
characters |= {0x2030, 0x2039, 0x203A, 0x20AC, 0x2122, 0x2212}
# The help page's characters as they read, its entities (&minus;, &middot;...)
# turned into the characters they stand for.
with open(help_page, encoding="utf-8") as page:
    characters |= {ord(c) for c in html.unescape(page.read())}

# The default layout features are the ones text shaping turns on by itself
# (kerning and ligatures among them); the glyphs' hinting instructions stay.
options = subset.Options()
options.notdef_outline = True
options.name_IDs = ["*"]
# The dates stay those of the face, so running this again gives the same file.
font = TTFont(source, recalcTimestamp=False)
subsetter = subset.Subsetter(options)
subsetter.populate(unicodes=characters)
subsetter.subset(font)

# Some glyphs stay only as ligatures (fi, fl...) or as parts of others (the
# dotless i, the fraction slash...). They keep the characters Carlito gives
# them: FreeType's automatic hinter chooses how to hint a glyph by the
# characters that lead to it, and a glyph with none would be hinted otherwise.
kept = set(font.getGlyphOrder())
encoded = set(font.getBestCmap().values())
restored = {c: glyph for c, glyph in TTFont(source).getBestCmap().items()
            if glyph in kept and glyph not in encoded}
for table in font["cmap"].tables:
    if table.isUnicode():
        table.cmap.update(restored)

names = font["name"]
family = "Velmora Sans"
renamed = {
    1: family,
    3: "1.103;VelmoraSans-Regular",
    4: family,
    6: "VelmoraSans-Regular",
    10: "Velmora Sans is a modified version of Carlito: a subset of it, renamed as "
        "the Reserved Font Name rule of the SIL Open Font License requires. "
        "Carlito is a sanserif typeface family based on Lato.",
}
# The trade mark is Carlito's and this face does not carry that name.
names.removeNames(nameID=7)
for record in names.names:
    if record.nameID in renamed:
        record.string = renamed[record.nameID]
# Only the copyright, the licence and the description may still say
# "Carlito", and only to credit it and state its reserved name.
for record in names.names:
    if "Carlito" in record.toUnicode() and record.nameID not in (0, 10, 13):
        sys.exit(f"name record {record.nameID} still names Carlito")
font.save(output)
EOF

echo "Wrote $out/VelmoraSans-Regular.ttf"
