#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "format/raster.h"
#include "support/bytes.h"

namespace gft {

// A black-and-white picture packed as glyphs are: 8 pixels a byte, the
// leftmost in the high bit, each row padded to whole bytes, a set bit ink.
// Sheets are built and written in this form, a byte per 8 pixels.
struct InkBitmap {
    int width = 0;
    int height = 0;
    std::size_t stride = 0;  // bytes per row
    Bytes bits;

    InkBitmap() = default;
    InkBitmap(int w, int h)
        : width(w),
          height(h),
          stride((static_cast<std::size_t>(w) + 7) / 8),
          bits(stride * static_cast<std::size_t>(h), 0) {}

    std::uint8_t* Row(int y) { return bits.data() + static_cast<std::size_t>(y) * stride; }
    const std::uint8_t* Row(int y) const {
        return bits.data() + static_cast<std::size_t>(y) * stride;
    }
    bool IsInk(int x, int y) const { return Row(y)[x / 8] & (0x80 >> (x % 8)); }
    void SetInk(int x, int y) { Row(y)[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8)); }

    bool operator==(const InkBitmap&) const = default;
};

// A black-and-white picture made a row at a time, so that an export streams
// it to its file without holding it whole: draw(y, row) sets the ink of row y
// in a row of (width + 7) / 8 bytes that is clear when it is called.
struct InkRows {
    int width = 0;
    int height = 0;
    std::function<void(int y, std::uint8_t* row)> draw;
};

// The whole picture in memory.
InkBitmap Drawn(const InkRows& picture);

// Ink black (0) on white (255).
GrayImage ToGray(const InkBitmap& bitmap);
// Ink where the luminance is below half.
InkBitmap InkOf(const GrayImage& image);

// bitCount bits of a row of rowBytes bytes from bit `at` on,
// written from the high bit of out[0]; the bits of the last byte past
// bitCount are clear. The bits must lie inside the row.
void CopyBits(std::uint8_t* out, const std::uint8_t* row, std::size_t rowBytes, std::size_t at,
              int bitCount);

}  // namespace gft
