#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "format/format_result.h"
#include "format/ink_bitmap.h"
#include "format/raster.h"
#include "support/byte_sink.h"
#include "support/bytes.h"

namespace gft {

// A PNG file image: 8-bit grey, or 1-bit grey with ink black. Fails for an
// empty picture, or one over a million pixels wide or high (what PNG readers
// take).
FormatResult<Bytes> EncodePng(const GrayImage& image);
FormatResult<Bytes> EncodePng(const InkBitmap& bitmap);
// The 1-bit file written into the sink as the picture's rows are drawn; an
// empty string, or why it could not be written.
std::string WritePng(const InkRows& picture, ByteSink& sink);

// Any PNG libpng reads (grey, palette, colour, 1 to 16 bits, with alpha,
// interlaced) as luminance, transparent parts laid over white. Refuses a
// picture larger than the image limits before it allocates the pixels.
FormatResult<GrayImage> DecodePng(std::span<const std::uint8_t> bytes);
// The same picture's ink (luminance below half); a 1-bit grey picture is
// read as its bits, without a byte a pixel on the way.
FormatResult<InkBitmap> DecodePngInk(std::span<const std::uint8_t> bytes);

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::span<const std::uint8_t> bytes);

}  // namespace gft
