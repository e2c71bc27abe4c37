#!/usr/bin/python3
"""Makes fonts/NonagraGaramond-Regular.otf from Debian's EB Garamond 12 Regular.

EB Garamond's default figures are old-style, which on a number puzzle read as
letters; Qt 6.4 cannot switch on 'lnum', so the digits' cmap entries point at
the glyphs that 'lnum' substitutes instead. The face is subset to the letters
the game's texts can use and renamed, so it never stands in for the system's
EB Garamond. Needs python3-fonttools; run it again only to remake the file.

Usage: tools/fonts/make-lining-garamond.py [source .otf] [output .otf]
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCE = "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf"
OUTPUT = ROOT / "fonts" / "NonagraGaramond-Regular.otf"
FAMILY = "Nonagra Garamond"
POSTSCRIPT = "NonagraGaramond-Regular"
# Where the game's captions and messages are written.
TEXT_DIRS = ("ui", "board", "play", "flow")

# Generous, so a new caption does not need a new font: ASCII, Latin-1,
# Latin Extended-A (all of Hungarian among them) and the usual punctuation.
BASE = (
    set(range(0x20, 0x7F))
    | set(range(0xA0, 0x180))
    | {0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2026, 0x20AC}
)
# The features HarfBuzz applies by itself; the others are never asked for.
FEATURES = ["ccmp", "locl", "rvrn", "liga", "clig", "calt", "rlig", "kern", "mark", "mkmk"]


def lookups_of(gsub, tag):
    indexes = set()
    for record in gsub.FeatureList.FeatureRecord:
        if record.FeatureTag == tag:
            indexes.update(record.Feature.LookupListIndex)
    if not indexes:
        sys.exit(f"the source font has no '{tag}' feature")
    return [gsub.LookupList.Lookup[i] for i in sorted(indexes)]


def single_substitutions(lookups):
    mapping = {}
    for lookup in lookups:
        for table in lookup.SubTable:
            if lookup.LookupType == 7:
                table = table.ExtSubTable
            if table.LookupType != 1:
                sys.exit("'lnum' substitutes more than single glyphs")
            mapping.update(table.mapping)
    return mapping


def use_lining_figures(font):
    lining = single_substitutions(lookups_of(font["GSUB"].table, "lnum"))
    remapped = set()
    for table in font["cmap"].tables:
        for code, glyph in table.cmap.items():
            if glyph in lining:
                table.cmap[code] = lining[glyph]
                remapped.add(code)
    digits = set(range(ord("0"), ord("9") + 1))
    if not digits <= remapped:
        sys.exit("'lnum' does not cover all ten digits")
    return remapped


def letters_in_sources():
    found = set()
    for directory in TEXT_DIRS:
        for path in sorted((ROOT / directory).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                found.update(ord(c) for c in path.read_text(encoding="utf-8") if ord(c) > 0x7E)
    return found


def rename(font):
    names = font["name"]
    keep = {0, 3, 5, 13, 14}
    names.names = [n for n in names.names if n.nameID in keep]
    for platform, encoding, language in ((3, 1, 0x409),):
        names.setName(FAMILY, 1, platform, encoding, language)
        names.setName("Regular", 2, platform, encoding, language)
        names.setName(f"{FAMILY} Regular", 4, platform, encoding, language)
        names.setName(POSTSCRIPT, 6, platform, encoding, language)
    for record in names.names:
        if record.nameID == 3:
            record.string = f"{POSTSCRIPT}: EB Garamond 12 with lining figures"
    cff = font["CFF "].cff
    cff.fontNames = [POSTSCRIPT]
    top = cff.topDictIndex[0]
    top.FamilyName = FAMILY
    top.FullName = f"{FAMILY} Regular"


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else SOURCE
    output = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else OUTPUT
    font = TTFont(source)
    # The file only changes when its contents do.
    font.recalcTimestamp = False
    remapped = use_lining_figures(font)

    wanted = BASE | letters_in_sources()
    available = set(font.getBestCmap())
    missing = wanted - available
    if missing:
        sys.exit("the source font lacks " + "".join(sorted(map(chr, missing))))

    options = subset.Options()
    options.layout_features = FEATURES
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.recalc_timestamp = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=wanted)
    subsetter.subset(font)

    rename(font)
    font.save(output)
    print(f"{output}: {len(wanted)} characters, lining figures for "
          + "".join(sorted(map(chr, remapped))))


if __name__ == "__main__":
    main()
