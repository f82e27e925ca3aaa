#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's font: Liberation Sans Bold cut down to the characters the page
shows (printable ASCII, which every number and word of the exercise is made
of, and any other character the given texts use), renamed, since the SIL Open
Font License reserves the name "Liberation" for the font as released, and
written as WOFF2 with its licence beside it. The cut keeps the released
font's own timestamps, so the same inputs make the same bytes.

Usage: subset_font.py FONT.ttf LICENCE OUT.woff2 OUT-LICENCE TEXT-FILE...
Prints the metrics the page lays text out with: units per em, ascender and
descender (hhea, the descender positive) and the average character width
(OS/2), which the subset keeps as they were.
"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Compartica Sans"
POSTSCRIPT = "ComparticaSans-Bold"


def characters(paths):
    found = {chr(code) for code in range(0x20, 0x7F)}
    for path in paths:
        with open(path, encoding="utf-8") as text:
            found |= {c for c in text.read() if ord(c) > 0x7E}
    return "".join(sorted(found))


def rename(font, version):
    names = font["name"]
    new = {1: FAMILY, 3: f"{POSTSCRIPT} {version}", 4: f"{FAMILY} Bold", 6: POSTSCRIPT,
           10: f"A subset of Liberation Sans Bold {version}, renamed, for the Compartica page."}
    for record in names.names:
        if record.nameID in new:
            record.string = new[record.nameID]
    names.names = [record for record in names.names if record.nameID not in (16, 17)]


def main(font_path, licence_path, out_path, out_licence, *texts):
    options = subset.Options()
    options.flavor = "woff2"
    options.name_IDs = ["*"]
    options.recalc_average_width = False
    font = TTFont(font_path, recalcTimestamp=False)
    version = font["name"].getDebugName(5).replace("Version ", "")
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters(texts))
    subsetter.subset(font)
    rename(font, version)
    font.flavor = "woff2"
    font.save(out_path)
    with open(licence_path, encoding="utf-8") as original, \
            open(out_licence, "w", encoding="utf-8") as licence:
        licence.write(f"{FAMILY} Bold is a Modified Version of Liberation Sans Bold {version}:\n"
                      "cut down to the characters the Compartica page shows and renamed.\n"
                      "It is distributed under the SIL Open Font License 1.1, below.\n\n")
        licence.write(original.read())
    print(font["head"].unitsPerEm, font["hhea"].ascent, -font["hhea"].descent,
          font["OS/2"].xAvgCharWidth)


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
