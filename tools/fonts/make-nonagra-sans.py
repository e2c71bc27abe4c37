#!/usr/bin/python3
"""Makes fonts/NonagraSans-Bold.ttf from Liberation Sans Bold.

The source is LiberationSans-Bold.ttf of Debian's fonts-liberation2
(fonts/SOURCES names the package, version and checksums). The game writes its
notes in a bold sans serif with Arial's metrics; carrying the face keeps them
the same on every system. Only the bold is taken, as no text of the game asks
for a regular sans serif.

The face is subset to ASCII, Latin-1 and Latin Extended-A, keeping its hinting,
which the notes' ten-pixel digits need. "Liberation" (and "Arimo") are Reserved
Font Names under the face's licence, so the subset, a Modified Version, takes
a name of its own.
Needs python3-fonttools; run it again only to remake the file.

Usage: tools/fonts/make-nonagra-sans.py <LiberationSans-Bold.ttf> [output dir]
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUTPUT_DIR = ROOT / "fonts"
FAMILY = "Nonagra Sans"
STYLE = "Bold"
LETTERS = set(range(0x20, 0x7F)) | set(range(0xA0, 0x180))


def rename(font):
    postscript = FAMILY.replace(" ", "") + "-" + STYLE
    version = font["name"].getDebugName(5)
    names = font["name"]
    # The copyright, the version and the licence stay; the names and the
    # trademark notice, which speak of Liberation, go.
    keep = {0, 5, 13, 14}
    names.names = [n for n in names.names if n.nameID in keep]
    for platform, encoding, language in ((3, 1, 0x409),):
        names.setName(FAMILY, 1, platform, encoding, language)
        names.setName(STYLE, 2, platform, encoding, language)
        names.setName(f"{postscript}: Liberation Sans {STYLE} {version}, a subset",
                      3, platform, encoding, language)
        names.setName(f"{FAMILY} {STYLE}", 4, platform, encoding, language)
        names.setName(postscript, 6, platform, encoding, language)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__.strip().splitlines()[-1])
    source = sys.argv[1]
    output_dir = pathlib.Path(sys.argv[2]) if len(sys.argv) == 3 else OUTPUT_DIR
    font = TTFont(source)
    if font["name"].getDebugName(1) != "Liberation Sans" or font["name"].getDebugName(2) != STYLE:
        sys.exit(f"{source} is not Liberation Sans {STYLE}")
    missing = LETTERS - set(font.getBestCmap())
    if missing:
        sys.exit(f"{source} lacks " + "".join(sorted(map(chr, missing))))
    # The file only changes when its contents do.
    font.recalcTimestamp = False
    options = subset.Options()
    options.hinting = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.recalc_timestamp = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=LETTERS)
    subsetter.subset(font)
    rename(font)
    output = output_dir / f"{FAMILY.replace(' ', '')}-{STYLE}.ttf"
    font.save(output)
    print(f"{output}: {len(LETTERS)} characters")


if __name__ == "__main__":
    main()
