#!/usr/bin/python3
"""Builds the Arabic-numeral font "Tarvelonix" that Qarnivo compiles in.

Tarvelonix is DejaVu Sans (Debian package fonts-dejavu-core) cut down to
Basic Latin, Latin-1 and the Arabic-Indic digits, with one change: the ASCII
digits 0-9 draw the Arabic-Indic digits U+0660..U+0669. Text stays in ASCII
digits, so the month grid reads its day numbers back as plain numbers while
they look Arabic on screen. Every other character keeps its Latin glyph.

The DejaVu licence (Bitstream Vera terms) allows modified fonts under a new
name that contains neither "Bitstream" nor "Vera"; its notices travel with
the font in the name table and in Tarvelonix-LICENSE.txt.

Usage: make_tarvelonix.py [--source-dir DIR] [--output-dir DIR]
Needs Debian's python3-fonttools and fonts-dejavu-core. The output depends
only on the input fonts and the fontTools version: timestamps are copied
from the source font, so two runs give identical files.
"""

import argparse
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Tarvelonix"

# (source file, style name, output file)
STYLES = [
    ("DejaVuSans.ttf", "Regular", "Tarvelonix.ttf"),
    ("DejaVuSans-Bold.ttf", "Bold", "Tarvelonix-Bold.ttf"),
]

ASCII_DIGITS = range(0x30, 0x3A)
ARABIC_INDIC_ZERO = 0x0660

# Basic Latin, Latin-1 Supplement, the Arabic-Indic digits and the Arabic
# decimal and thousands separators.
KEPT_CHARACTERS = (
    list(range(0x20, 0x7F))
    + list(range(0xA0, 0x100))
    + list(range(0x0660, 0x066D))
)

LICENCE_HEADER = """Tarvelonix, the Arabic-numeral font of Qarnivo
==============================================

Tarvelonix.ttf and Tarvelonix-Bold.ttf are modified versions of DejaVu Sans
and DejaVu Sans Bold (version {version}), made by tools/font/make_tarvelonix.py:
the fonts were cut down to Latin and the Arabic-Indic digits, the ASCII
digits 0-9 were mapped to the Arabic-Indic digit glyphs, and the fonts were
renamed "Tarvelonix" as the licence below requires of modified versions.

DejaVu changes are in the public domain. The licence of the fonts, as the
source fonts carry it:

"""


def remap_digits(font):
    """Points the ASCII digits at the glyphs of the Arabic-Indic digits."""
    for table in font["cmap"].tables:
        if not table.isUnicode():
            continue
        for offset, code in enumerate(ASCII_DIGITS):
            arabic = table.cmap.get(ARABIC_INDIC_ZERO + offset)
            if arabic is None:
                raise SystemExit("source font lacks U+%04X" % (ARABIC_INDIC_ZERO + offset))
            table.cmap[code] = arabic


def cut_down(font):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.glyph_names = True
    options.hinting = True
    options.recalc_timestamp = False
    options.drop_tables += ["FFTM", "MATH"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=KEPT_CHARACTERS)
    subsetter.subset(font)


def rename(font, style):
    """Replaces the DejaVu names, keeping the copyright, trademark and licence notices."""
    name = font["name"]
    kept = {}
    for record_id in (0, 7, 13, 14):
        record = name.getName(record_id, 3, 1, 0x409)
        if record is not None:
            kept[record_id] = record.toUnicode()
    version = name.getName(5, 3, 1, 0x409).toUnicode()

    full_name = FAMILY if style == "Regular" else "%s %s" % (FAMILY, style)
    postscript = "%s-%s" % (FAMILY, style)
    texts = {
        1: FAMILY,
        2: style,
        3: "%s; %s" % (postscript, version),
        4: full_name,
        5: "%s; Qarnivo Arabic-numeral build" % version,
        6: postscript,
        10: "DejaVu Sans cut down to Latin, with the ASCII digits drawn as "
        "Arabic-Indic digits, for the Qarnivo Hijri calendar.",
    }
    texts.update(kept)

    name.names = []
    for record_id in sorted(texts):
        name.setName(texts[record_id], record_id, 3, 1, 0x409)
        name.setName(texts[record_id], record_id, 1, 0, 0)


def build(source_path, style, output_path):
    # Keeping the source's timestamps makes the output the same on every run.
    font = TTFont(source_path, recalcTimestamp=False)
    remap_digits(font)
    cut_down(font)
    rename(font, style)
    font["OS/2"].achVendID = "NONE"
    font.save(output_path, reorderTables=True)


def licence_text(source_path):
    font = TTFont(source_path)
    name = font["name"]
    version = name.getName(5, 3, 1, 0x409).toUnicode().replace("Version ", "")
    licence = name.getName(13, 3, 1, 0x409).toUnicode()
    return LICENCE_HEADER.format(version=version) + licence.strip() + "\n"


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source-dir", default="/usr/share/fonts/truetype/dejavu")
    parser.add_argument(
        "--output-dir", default=os.path.join(here, "..", "..", "resources", "fonts")
    )
    args = parser.parse_args(argv)

    os.makedirs(args.output_dir, exist_ok=True)
    for source, style, output in STYLES:
        source_path = os.path.join(args.source_dir, source)
        output_path = os.path.join(args.output_dir, output)
        build(source_path, style, output_path)
        print("wrote", os.path.normpath(output_path))

    licence_path = os.path.join(args.output_dir, "Tarvelonix-LICENSE.txt")
    with open(licence_path, "w", encoding="utf-8", newline="\n") as out:
        out.write(licence_text(os.path.join(args.source_dir, STYLES[0][0])))
    print("wrote", os.path.normpath(licence_path))


if __name__ == "__main__":
    main(sys.argv[1:])
