#pragma once

#include <cstdint>
#include <span>

#include "format/format_result.h"
#include "format/ink_bitmap.h"
#include "format/raster.h"
#include "support/byte_sink.h"
#include "support/bytes.h"

namespace gft {

// A 1-bit BMP file image: bottom-up rows padded to 4 bytes, palette entry 0
// white and 1 black, so that the ink bits are stored as they are. Fails only
// for an empty picture.
FormatResult<Bytes> EncodeBmp1Bit(const InkBitmap& bitmap);
// The same file written into the sink as the rows are drawn; an empty
// string, or why it could not be written.
std::string WriteBmp1Bit(const InkRows& picture, ByteSink& sink);

// An uncompressed BMP of 1, 4, 8, 24 or 32 bits per pixel, bottom-up or
// top-down, as luminance. Every offset and length is checked against the
// bytes; a picture larger than the image limits is refused before allocating.
FormatResult<GrayImage> DecodeBmp(std::span<const std::uint8_t> bytes);

// True when the bytes start with "BM".
bool LooksLikeBmp(std::span<const std::uint8_t> bytes);

}  // namespace gft
