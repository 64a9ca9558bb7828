#!/usr/bin/env python3
"""Convert a BDF bitmap font into a Grindlemoor .fnt file.

Usage: make_sample_font.py INPUT.bdf OUTPUT.fnt

Codes are Windows-1250. Control codes (0..31, 127), codes that cp1250 leaves
undefined and characters the BDF lacks are written as absent glyphs.
"""
import struct
import sys

MAX_BLOCK = 32767


def read_bdf(path):
    """Return (ascent, descent, {unicode: (dwidth, w, h, xoff, yoff, rows)})."""
    props, glyphs, glyph, rows = {}, {}, None, None
    with open(path, encoding="latin-1") as f:
        for line in f:
            key, _, rest = line.strip().partition(" ")
            if rows is not None:  # inside BITMAP
                if key == "ENDCHAR":
                    glyph["rows"] = rows
                    if glyph.get("enc", -1) >= 0:
                        glyphs[glyph["enc"]] = glyph
                    glyph, rows = None, None
                else:
                    rows.append(key)
            elif key == "STARTCHAR":
                glyph = {}
            elif glyph is None:
                if key in ("FONT_ASCENT", "FONT_DESCENT"):
                    props[key] = int(rest)
            elif key == "ENCODING":
                glyph["enc"] = int(rest.split()[0])
            elif key == "DWIDTH":
                glyph["dwidth"] = int(rest.split()[0])
            elif key == "BBX":
                glyph["bbx"] = [int(v) for v in rest.split()]
            elif key == "BITMAP":
                rows = []
    return props["FONT_ASCENT"], props["FONT_DESCENT"], glyphs


def render(glyph, ascent, height):
    """Return the glyph as `height` rows of bytes, clipped to its advance."""
    width = glyph["dwidth"]
    w, h, xoff, yoff = glyph["bbx"]
    bpr = max(1, (width + 7) // 8)
    cell = [bytearray(bpr) for _ in range(height)]
    top = ascent - (yoff + h)  # cell row of the bitmap's first row
    for i, hexrow in enumerate(glyph["rows"][:h]):
        y = top + i
        if not 0 <= y < height:
            continue
        bits, nbits = int(hexrow, 16), len(hexrow) * 4
        for j in range(min(w, nbits)):
            x = xoff + j
            if 0 <= x < width and bits >> (nbits - 1 - j) & 1:
                cell[y][x // 8] |= 0x80 >> (x % 8)
    return b"".join(cell)


def cp1250_char(code):
    if code < 32 or code == 127:
        return None
    try:
        return bytes([code]).decode("cp1250")
    except UnicodeDecodeError:
        return None


def extent(glyphs, ascent, descent):
    """Rows above and below the baseline that the written glyphs really use:
    accented capitals reach above the font's nominal ascent."""
    used = [glyphs[ord(ch)] for ch in map(cp1250_char, range(256)) if ch and ord(ch) in glyphs]
    top = max([ascent] + [g["bbx"][1] + g["bbx"][3] for g in used])
    bottom = max([descent] + [-g["bbx"][3] for g in used])
    return top, bottom


def build_fnt(ascent, descent, glyphs):
    ascent, descent = extent(glyphs, ascent, descent)
    height = ascent + descent
    if not 1 <= height <= 255:
        sys.exit(f"font height {height} is out of range 1..255")
    widths, pointers, block = bytearray(256), [0] * 256, bytearray(1)
    for code in range(256):
        ch = cp1250_char(code)
        glyph = glyphs.get(ord(ch)) if ch else None
        if glyph is None and code == 32:  # the game needs a space glyph
            glyph = {"dwidth": max(1, height // 4), "bbx": [0, 0, 0, 0], "rows": []}
        if glyph is None:
            continue
        if not 0 <= glyph["dwidth"] <= 255:
            sys.exit(f"code {code}: width {glyph['dwidth']} does not fit a byte")
        widths[code] = glyph["dwidth"]
        pointers[code] = len(block)
        block += render(glyph, ascent, height)
    if len(block) > MAX_BLOCK:
        sys.exit(f"glyph data is {len(block)} bytes, limit is {MAX_BLOCK}")
    header = struct.pack(">IIIxxxxxxxxxxxx", 1, height, 0)
    return (header + bytes(widths) + struct.pack(">256H", *pointers)
            + struct.pack(">HH", 0, len(block)) + bytes(block))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_sample_font.py INPUT.bdf OUTPUT.fnt")
    data = build_fnt(*read_bdf(sys.argv[1]))
    with open(sys.argv[2], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
