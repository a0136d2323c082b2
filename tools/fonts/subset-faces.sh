#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Cuts the game's three faces out of Debian's font packages, down to the
# characters the game writes with them, and writes them to assets/fonts:
#
#   tools/fonts/subset-faces.sh [output-folder]
#
# Every subset keeps the glyphs' hinting, kerning and ligatures, so what it
# draws comes out exactly as the whole face draws it.
#
# - VelmoraSans-Regular.ttf, from Carlito Regular, draws the score band, the
#   help page in the program's own window, the menus and the dialogs. It keeps
#   Basic Latin, Latin-1, the common punctuation, the euro, trade mark and
#   minus signs and every character of the help page. Only the superscripts
#   and the ordinal signs (ª º) are drawn a pixel apart here and there:
#   FreeType's automatic hinter measures them against superscript letters the
#   face no longer has. Latin Extended-A, Greek and Cyrillic go: nothing the
#   game writes in this face needs them, and Latin Extended-A alone would make
#   the file half as big again.
# - VelmoraRounded-Bold.ttf, from Quicksand Bold, draws the buttons, the
#   board, the answer box, the strike boxes and the splash's mark. The board
#   shows film titles and the answer box whatever the player types, so it
#   keeps Basic Latin, Latin-1, Latin Extended-A, the General Punctuation
#   block and the same signs; the Vietnamese letters, Latin Extended-B and the
#   lone accents go.
# - ComicNeue-Bold.otf, from Comic Neue Bold, draws only the figure's eyes
#   ("- -", "o o", "x x"); it keeps Basic Latin.
#
# The licences of Carlito and Quicksand (SIL Open Font License 1.1) reserve
# their names: a modified version, and a subset is one, must carry another
# name. So every name record that names those faces is rewritten; the
# copyright and licence records, which state that reservation, stay as they
# are. Comic Neue reserves no name and keeps its own.
#
# Needs apt-get (the packages are downloaded, not installed) and
# python3-fonttools.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../assets/fonts}
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The faces as Debian 12 ships them; other builds of them would give other
# glyphs.
packages=(fonts-crosextra-carlito fonts-quicksand fonts-comic-neue)
carlito=$work/package/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf
quicksand=$work/package/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf
comic=$work/package/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf

# apt-get download writes as its own unprivileged user when run as root.
chmod 777 "$work"
(cd "$work" && apt-get download -q "${packages[@]}" > /dev/null)
for package in "${packages[@]}"; do
  dpkg-deb -x "$work"/"$package"_*.deb "$work/package"
done
sha256sum --check --quiet <<SUMS
b4ff23ba370cc95a3c349336b73f9c28514a1371210f89832efc85c4b1ea7131  $carlito
f3d4b33309aeccaede4e371a935608af5be8f640ed51af6f393a523c02e24f1a  $quicksand
0637fea8f858cd1d9a6e0ff786bed3d8cc2dc59b871a28e268a5a0106f052a92  $comic
SUMS

# Debian's fontTools module, whatever python3 comes first on the path.
/usr/bin/python3 - "$carlito" "$quicksand" "$comic" "$here/../../assets/help/ayuda.html" "$out" <<'EOF'
import html
import logging
import os
import sys
from fontTools import subset
from fontTools.ttLib import TTFont

carlito, quicksand, comic, help_page, out = sys.argv[1:]
# Carlito's creation date reads as a Unix time, which fontTools warns about;
# the date is kept as it is.
logging.getLogger("fontTools.ttLib.tables._h_e_a_d").setLevel(logging.ERROR)


def cut(source, characters, output, reserved=None, renamed=None):
    """Writes the part of source that draws characters to output. A face
    whose name is reserved gets the name records of renamed instead."""
    # The default layout features are the ones text shaping turns on by
    # itself (kerning and ligatures among them); the glyphs' hinting
    # instructions stay.
    options = subset.Options()
    options.notdef_outline = True
    options.name_IDs = ["*"]
    # The dates stay those of the face, so running this again gives the same
    # file.
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=characters)
    subsetter.subset(font)

    # Some glyphs stay only as ligatures (fi, fl...) or as parts of others
    # (the dotless i, the fraction slash...). They keep the characters the
    # face gives them: FreeType's automatic hinter chooses how to hint a glyph
    # by the characters that lead to it, and a glyph with none would be hinted
    # otherwise.
    kept = set(font.getGlyphOrder())
    encoded = set(font.getBestCmap().values())
    restored = {c: glyph for c, glyph in TTFont(source).getBestCmap().items()
                if glyph in kept and glyph not in encoded}
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap.update(restored)

    if reserved is not None:
        names = font["name"]
        # The trade mark is the original face's and this one does not carry
        # that name.
        names.removeNames(nameID=7)
        for record in names.names:
            if record.nameID in renamed:
                record.string = renamed[record.nameID]
        # Only the copyright, the licence and the description may still
        # name the original face, and only to credit it and state its
        # reserved name.
        for record in names.names:
            if reserved in record.toUnicode() and record.nameID not in (0, 10, 13):
                sys.exit(f"{output}: name record {record.nameID} still names {reserved}")
    font.save(os.path.join(out, output))
    print(f"Wrote {os.path.join(out, output)}")


basic_latin = set(range(0x20, 0x7F))
latin_1 = set(range(0xA0, 0x100))
punctuation = set(range(0x2010, 0x2028)) | {0x2030, 0x2039, 0x203A}
signs = {0x20AC, 0x2122, 0x2212}

# The help page's characters as they read, its entities (&minus;,
# &middot;...) turned into the characters they stand for.
with open(help_page, encoding="utf-8") as page:
    help_characters = {ord(c) for c in html.unescape(page.read())}
cut(carlito, basic_latin | latin_1 | punctuation | signs | help_characters,
    "VelmoraSans-Regular.ttf", reserved="Carlito", renamed={
        1: "Velmora Sans",
        3: "1.103;VelmoraSans-Regular",
        4: "Velmora Sans",
        6: "VelmoraSans-Regular",
        10: "Velmora Sans is a modified version of Carlito: a subset of it, renamed as "
            "the Reserved Font Name rule of the SIL Open Font License requires. "
            "Carlito is a sanserif typeface family based on Lato.",
    })

latin_extended_a = set(range(0x100, 0x180))
general_punctuation = set(range(0x2000, 0x2070))
cut(quicksand, basic_latin | latin_1 | latin_extended_a | general_punctuation | signs,
    "VelmoraRounded-Bold.ttf", reserved="Quicksand", renamed={
        1: "Velmora Rounded",
        3: "3.000;PfEd;VelmoraRounded-Bold",
        4: "Velmora Rounded Bold",
        6: "VelmoraRounded-Bold",
        10: "Velmora Rounded is a modified version of Quicksand: a subset of it, renamed "
            "as the Reserved Font Name rule of the SIL Open Font License requires.",
    })

cut(comic, basic_latin, "ComicNeue-Bold.otf")
EOF
