#!/usr/bin/python3
"""Makes fonts/NonagraGaramond-Regular.ttf and -Bold.ttf from EB Garamond.

The sources are the static Regular and Bold TrueType files of the EB Garamond
release (fonts/SOURCES names the package, version and checksums). Both have
Latin Extended-A, ő and ű among it, in both weights, so the bold is drawn from
its own outlines instead of an emboldened regular; and their outlines are
TrueType (glyf), which Qt draws without building the gamma table that CFF
outlines cost at start-up.

Qt 6.4 cannot switch on OpenType features, so the digits' cmap entries point
at the proportional lining figures that 'lnum' and 'pnum' substitute: old-style
digits on a number puzzle read as letters. Each face is subset to the letters
the game's texts can use and renamed, so it never stands in for an installed
EB Garamond. The vertical metrics keep the line box of the 12-point EB
Garamond the game first used, so text stands where it did, and the Regular,
which only the help page's paragraphs use, gets a line gap so descenders stay
clear of the next line's accents.
Needs python3-fonttools; run it again only to remake the files.

Usage: tools/fonts/make-lining-garamond.py <EBGaramond Regular .ttf> <Bold .ttf> [output dir]
"""
import pathlib
import sys

from fontTools import subset
from fontTools.pens.boundsPen import BoundsPen
from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUTPUT_DIR = ROOT / "fonts"
FAMILY = "Nonagra Garamond"
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
# Applied to the digits in this order; a feature that leaves a digit alone
# (the release's default figures are lining already) changes nothing.
FIGURE_FEATURES = ("lnum", "pnum")
DIGITS = "0123456789"

# In font units of 1000 an em. Top-aligned text puts its first baseline one
# ascender below the top, so the ascender fixes where every caption stands.
ASCENDER = 710
DESCENDER = -290
# Accents of capitals and double acutes reach 0.85 em, descenders 0.29 em:
# 0.18 em between lines keeps them apart at the help page's 18 pixels.
LINE_GAP = {"Regular": 180, "Bold": 0}


def lookups_of(gsub, tag):
    indexes = set()
    for record in gsub.FeatureList.FeatureRecord:
        if record.FeatureTag == tag:
            indexes.update(record.Feature.LookupListIndex)
    if not indexes:
        sys.exit(f"the source font has no '{tag}' feature")
    return [gsub.LookupList.Lookup[i] for i in sorted(indexes)]


def single_substitutions(lookups, tag):
    mapping = {}
    for lookup in lookups:
        for table in lookup.SubTable:
            if lookup.LookupType == 7:
                table = table.ExtSubTable
            if table.LookupType != 1:
                sys.exit(f"'{tag}' substitutes more than single glyphs")
            mapping.update(table.mapping)
    return mapping


def ink_of(font, glyph):
    pen = BoundsPen(font.getGlyphSet())
    font.getGlyphSet()[glyph].draw(pen)
    return pen.bounds


def use_lining_figures(font):
    gsub = font["GSUB"].table
    cmap = font.getBestCmap()
    figures = {ord(d): cmap[ord(d)] for d in DIGITS}
    for tag in FIGURE_FEATURES:
        mapping = single_substitutions(lookups_of(gsub, tag), tag)
        figures = {code: mapping.get(glyph, glyph) for code, glyph in figures.items()}
    for table in font["cmap"].tables:
        for code in figures.keys() & table.cmap.keys():
            table.cmap[code] = figures[code]
    # Lining figures stand on the baseline as tall as the capitals.
    capital_top = ink_of(font, cmap[ord("H")])[3]
    for code, glyph in figures.items():
        _, bottom, _, top = ink_of(font, glyph)
        if top < 0.9 * capital_top or bottom < -0.1 * capital_top:
            sys.exit(f"'{chr(code)}' is no lining figure: {glyph}")
    return figures


def letters_in_sources():
    found = set()
    for directory in TEXT_DIRS:
        for path in sorted((ROOT / directory).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                found.update(ord(c) for c in path.read_text(encoding="utf-8") if ord(c) > 0x7E)
    return found


def set_vertical_metrics(font, style):
    hhea = font["hhea"]
    os2 = font["OS/2"]
    hhea.ascent = os2.sTypoAscender = ASCENDER
    hhea.descent = os2.sTypoDescender = DESCENDER
    hhea.lineGap = os2.sTypoLineGap = LINE_GAP[style]
    # Qt and FreeType take the typographic metrics only when told to.
    os2.fsSelection |= 1 << 7


def clear_overlap_flags(font):
    # FreeType oversamples a glyph flagged as having overlapping contours 4 x 4
    # times, which quadruples the cost of the first frame's glyphs; without
    # the flags only a few edge pixels change by a few levels.
    glyf = font["glyf"]
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite():
            for component in glyph.components:
                component.flags &= ~0x400
        elif glyph.numberOfContours > 0:
            glyph.flags[0] &= ~0x40


def rename(font, style):
    postscript = FAMILY.replace(" ", "") + "-" + style
    names = font["name"]
    keep = {0, 3, 5, 13, 14}
    names.names = [n for n in names.names if n.nameID in keep]
    for platform, encoding, language in ((3, 1, 0x409),):
        names.setName(FAMILY, 1, platform, encoding, language)
        names.setName(style, 2, platform, encoding, language)
        names.setName(f"{FAMILY} {style}", 4, platform, encoding, language)
        names.setName(postscript, 6, platform, encoding, language)
    for record in names.names:
        if record.nameID == 3:
            record.string = f"{postscript}: EB Garamond {style} with lining figures"
    # Its axis names went with the other names; a static face needs none.
    if "STAT" in font:
        del font["STAT"]


def derive(source, style, output_dir):
    font = TTFont(source)
    if "glyf" not in font:
        sys.exit(f"{source}: the outlines must be TrueType (glyf)")
    if font["name"].getDebugName(2) != style:
        sys.exit(f"{source} is not the {style} face")
    # The file only changes when its contents do.
    font.recalcTimestamp = False
    figures = use_lining_figures(font)

    wanted = BASE | letters_in_sources()
    missing = wanted - set(font.getBestCmap())
    if missing:
        sys.exit(f"{source} lacks " + "".join(sorted(map(chr, missing))))

    options = subset.Options()
    options.layout_features = FEATURES
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.recalc_timestamp = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=wanted)
    subsetter.subset(font)

    clear_overlap_flags(font)
    set_vertical_metrics(font, style)
    rename(font, style)
    output = output_dir / f"{FAMILY.replace(' ', '')}-{style}.ttf"
    font.save(output)
    print(f"{output}: {len(wanted)} characters, digits " + " ".join(figures.values()))


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__.strip().splitlines()[-1])
    output_dir = pathlib.Path(sys.argv[3]) if len(sys.argv) == 4 else OUTPUT_DIR
    derive(sys.argv[1], "Regular", output_dir)
    derive(sys.argv[2], "Bold", output_dir)


if __name__ == "__main__":
    main()
