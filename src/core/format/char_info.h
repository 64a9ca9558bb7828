#pragma once

#include <cstdint>

#include "support/bytes.h"

namespace gft {

// One glyph. Pixels holds FontHeight rows, top row first, BytesPerRow() bytes
// per row; bit 7 of a row's first byte is the leftmost pixel. The bits past
// Width in a row's last byte (the invisible part) are kept like any other data.
// Pixels always holds exactly DataSize() == BytesPerRow() * FontHeight bytes.
struct CharInfo {
    bool Present = false;
    Bytes Pixels;
    std::uint8_t Width = 0;
    std::uint8_t HasError = 0;

    static int BytesPerRowFor(int width) { return width == 0 ? 1 : (width + 7) / 8; }
    int BytesPerRow() const { return BytesPerRowFor(Width); }
    int DataSize() const { return static_cast<int>(Pixels.size()); }

    // Whole-record equality, HasError included.
    bool operator==(const CharInfo&) const = default;
};

// The program's rule for "the same glyph": equal bytes, Width and Present.
// HasError plays no part.
inline bool GlyphsEqual(const CharInfo& a, const CharInfo& b) {
    return a.Present == b.Present && a.Width == b.Width && a.Pixels == b.Pixels;
}

// An absent glyph: not present, width 0, one zero byte per row.
// HasError is left to the caller.
inline void MakeAbsent(CharInfo& glyph, int fontHeight) {
    glyph.Present = false;
    glyph.Width = 0;
    glyph.Pixels.assign(static_cast<std::size_t>(fontHeight), 0);
}

}  // namespace gft
