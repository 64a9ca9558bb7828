#include "format/glyph_rows.h"

#include <algorithm>

namespace gft {

bool FitsHeight(const CharInfo& glyph, int height) {
    return height >= 1 && glyph.DataSize() == glyph.BytesPerRow() * height;
}

std::span<std::uint8_t> RowBytes(CharInfo& glyph, int row) {
    const auto bytesPerRow = static_cast<std::size_t>(glyph.BytesPerRow());
    return std::span(glyph.Pixels)
        .subspan(static_cast<std::size_t>(row) * bytesPerRow, bytesPerRow);
}

namespace {

std::size_t ByteIndex(const CharInfo& glyph, int row, int col) {
    return static_cast<std::size_t>(row * glyph.BytesPerRow() + col / 8);
}

}  // namespace

bool PixelAt(const CharInfo& glyph, int row, int col) {
    return (glyph.Pixels[ByteIndex(glyph, row, col)] & ColumnBit(col)) != 0;
}

void SetPixel(CharInfo& glyph, int row, int col, bool ink) {
    std::uint8_t& byte = glyph.Pixels[ByteIndex(glyph, row, col)];
    byte = ink ? (byte | ColumnBit(col)) : (byte & ~ColumnBit(col));
}

bool ColumnHasInk(const CharInfo& glyph, int height, int col) {
    for (int row = 0; row < height; ++row)
        if (PixelAt(glyph, row, col)) return true;
    return false;
}

void ResizeWidth(CharInfo& glyph, int height, int width) {
    const int oldBytes = glyph.BytesPerRow();
    const int newBytes = CharInfo::BytesPerRowFor(width);
    glyph.Width = static_cast<std::uint8_t>(width);
    if (newBytes == oldBytes) return;
    Bytes pixels(static_cast<std::size_t>(newBytes * height), 0);
    const int kept = std::min(oldBytes, newBytes);
    for (int row = 0; row < height; ++row) {
        const auto from = glyph.Pixels.begin() + row * oldBytes;
        std::copy(from, from + kept, pixels.begin() + row * newBytes);
    }
    glyph.Pixels = std::move(pixels);
}

}  // namespace gft
