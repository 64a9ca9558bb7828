#pragma once

#include <cstdint>
#include <span>

#include "format/pixel_outline.h"
#include "support/bytes.h"

namespace gft {

// A box in font units.
struct FontBox {
    int xMin = 0;
    int yMin = 0;
    int xMax = 0;
    int yMax = 0;

    void Include(const FontBox& other);
};

// Where a glyph's pixel corners go in font units: each pixel `unit` units
// square, the row edge `ascent` rows below the top on the baseline (y = 0).
struct OutlineScale {
    int unit;
    int ascent;
};

// One entry of the 'glyf' table and what the font's summary tables need to
// know of it.
struct GlyphData {
    Bytes bytes;  // empty: no outline
    FontBox box;
    int points = 0;  // of all its contours, a composite's components included
    int contours = 0;
    int components = 0;  // 0 for a simple glyph

    bool HasOutline() const { return !bytes.empty(); }
};

// The simple glyph of contours [first, end) of an outline, with no
// instructions; its points must be fewer than 32768 and its contours fewer
// than 65536.
GlyphData SimpleGlyph(const PixelOutline& outline, int first, int end, OutlineScale scale);

// A composite glyph made of the given glyphs, each placed where it is.
// `parts` holds their data, in the same order.
GlyphData CompositeGlyph(std::span<const std::uint16_t> glyphs, std::span<const GlyphData> parts);

}  // namespace gft
