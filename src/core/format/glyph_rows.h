#pragma once

#include <cstdint>
#include <span>

#include "format/char_info.h"

namespace gft {

// Row and column access to a glyph of a given height. Rows and columns count
// from 0; column c of a row is bit 7 - c % 8 of the row's byte c / 8.

// True when the glyph holds exactly BytesPerRow bytes for each of height rows.
bool FitsHeight(const CharInfo& glyph, int height);

std::span<std::uint8_t> RowBytes(CharInfo& glyph, int row);

inline std::uint8_t ColumnBit(int col) {
    return static_cast<std::uint8_t>(0x80u >> (col % 8));
}

bool PixelAt(const CharInfo& glyph, int row, int col);
void SetPixel(CharInfo& glyph, int row, int col, bool ink);

// True when any row has ink in column col.
bool ColumnHasInk(const CharInfo& glyph, int height, int col);

// Gives the glyph a new width. When the bytes per row change, every row loses
// its last bytes (beyond-width bits and all) or gains zero bytes at its end.
void ResizeWidth(CharInfo& glyph, int height, int width);

}  // namespace gft
