"""Checks an exported TrueType font with fontTools against the font it came from.

    ttf_check.py FONT.ttf DUMP.txt CODEPAGE ASCENT

DUMP.txt is `grindfnt dump` of the font; CODEPAGE a Python codec (cp1250,
cp1252, iso8859_2). Prints what it found; any difference is a line starting
"FAIL" and the exit status 1. Checked: every table decompiles; the checksums
of the tables and of the whole file; each present code maps, through the
code page (U+F000 + code where it has no printable character), to a glyph
whose outline has the area of the glyph's ink, negative as TrueType's
clockwise outer contours count, and nothing else is mapped; 'maxp', 'head'
and 'hhea' say what fontTools recomputes from the glyphs; the vertical
metrics agree.
"""

import re
import struct
import sys

from fontTools.pens.areaPen import AreaPen
from fontTools.ttLib import TTFont

UNIT = 64
failures = []


def fail(text):
    failures.append(text)
    print("FAIL " + text)


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def check_checksums(path):
    data = open(path, "rb").read()
    count = struct.unpack(">H", data[4:6])[0]
    for k in range(count):
        tag, total, offset, length = struct.unpack(">4sIII", data[12 + 16 * k:28 + 16 * k])
        table = bytearray(data[offset:offset + length])
        if tag == b"head":
            table[8:12] = b"\0\0\0\0"
        if checksum(bytes(table)) != total:
            fail("checksum of %s" % tag.decode())
    if checksum(data) != 0xB1B0AFBA:
        fail("checksum of the whole file")


def ink_of_dump(path):
    """Code -> number of ink pixels inside the width, for present glyphs."""
    ink, code = {}, None
    for line in open(path, encoding="utf-8"):
        heading = re.match(r"Character (\d+) \(\$[0-9A-F]+\) width \d+, (present|absent)", line)
        if heading:
            code = int(heading.group(1)) if heading.group(2) == "present" else None
            if code is not None:
                ink[code] = 0
        elif code is not None:
            ink[code] += line.count("#")
    return ink


def character(code, codepage):
    try:
        c = bytes([code]).decode(codepage)
    except UnicodeDecodeError:
        return 0xF000 + code
    return 0xF000 + code if ord(c) < 0x20 or 0x7F <= ord(c) <= 0x9F else ord(c)


def main():
    path, dump, codepage, ascent = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    font = TTFont(path)
    for tag in sorted(font.keys()):
        if tag != "GlyphOrder":
            font[tag]  # decompiles it
    print("tables: " + " ".join(sorted(t for t in font.keys() if t != "GlyphOrder")))
    check_checksums(path)

    ink = ink_of_dump(dump)
    cmap = font.getBestCmap()
    glyphs = font.getGlyphSet()
    wanted = {character(code, codepage): code for code in ink}
    if set(cmap) != set(wanted):
        fail("mapped %d characters for %d present glyphs" % (len(cmap), len(ink)))
    empty = []
    for char, code in sorted(wanted.items()):
        if char not in cmap:
            continue
        pen = AreaPen(glyphs)
        glyphs[cmap[char]].draw(pen)
        if pen.value == 0 and ink[code] > 0:
            empty.append(code)
        elif pen.value != -ink[code] * UNIT * UNIT:
            fail("character %d: area %s for %d pixels" % (code, pen.value, ink[code]))
    print("areas: every glyph is its ink" + (", but empty: %s" % empty if empty else ""))

    glyf = font["glyf"]
    maxp = font["maxp"]
    before = {k: getattr(maxp, k) for k in ("numGlyphs", "maxPoints", "maxContours",
                                             "maxCompositePoints", "maxCompositeContours",
                                             "maxComponentElements", "maxComponentDepth")}
    maxp.recalc(font)
    for key, value in before.items():
        if getattr(maxp, key) != value:
            fail("maxp.%s is %d, not %d" % (key, value, getattr(maxp, key)))
    head, hhea = font["head"], font["hhea"]
    bounds = [head.xMin, head.yMin, head.xMax, head.yMax]
    boxes = [glyf[name] for name in font.getGlyphOrder()]
    for g in boxes:
        g.recalcBounds(glyf)
    boxes = [g for g in boxes if g.numberOfContours != 0]
    real = [min(g.xMin for g in boxes), min(g.yMin for g in boxes),
            max(g.xMax for g in boxes), max(g.yMax for g in boxes)]
    if bounds != real:
        fail("head bounds %s, outlines %s" % (bounds, real))
    before = {k: getattr(hhea, k) for k in ("advanceWidthMax", "minLeftSideBearing",
                                             "minRightSideBearing", "xMaxExtent")}
    hhea.recalc(font)
    for key, value in before.items():
        if getattr(hhea, key) != value:
            fail("hhea.%s is %d, not %d" % (key, value, getattr(hhea, key)))
    composites = sum(1 for name in font.getGlyphOrder() if glyf[name].isComposite())
    print("maxp, head and hhea: as recomputed; %d glyphs, %d composite, %s offsets"
          % (maxp.numGlyphs, composites, "long" if head.indexToLocFormat else "short"))

    os2, height = font["OS/2"], head.unitsPerEm // UNIT
    metrics = {(hhea.ascent, -hhea.descent), (os2.sTypoAscender, -os2.sTypoDescender),
               (os2.usWinAscent, os2.usWinDescent),
               (ascent * UNIT, (height - ascent) * UNIT)}
    if len(metrics) != 1 or hhea.lineGap or os2.sTypoLineGap or not os2.fsSelection & 0x80:
        fail("vertical metrics %s, line gaps %d %d, fsSelection %#x"
             % (metrics, hhea.lineGap, os2.sTypoLineGap, os2.fsSelection))
    print("units per em %d; ascent %d, descent %d in hhea, typo and win metrics"
          % (head.unitsPerEm, ascent * UNIT, (height - ascent) * UNIT))
    for record in font["name"].names:
        if record.platformID == 3:
            print("name %d: %s" % (record.nameID, record.toUnicode()))
    print("post format %s, gasp %s" % (font["post"].formatType, font["gasp"].gaspRange))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
