#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "format/format_result.h"
#include "format/raster.h"
#include "support/bytes.h"

namespace gft {

enum class PngDepth {
    Grey8,  // every luminance kept
    OneBit  // ink black (0), everything else white (255)
};

// A PNG file image of a grey picture. Fails for an empty picture, or one
// libpng refuses (over a million pixels wide or high).
FormatResult<Bytes> EncodePng(const GrayImage& image, PngDepth depth = PngDepth::Grey8);

// Any PNG libpng reads (grey, palette, colour, 1 to 16 bits, with alpha,
// interlaced) as luminance, transparent parts laid over white. Refuses a
// picture larger than the image limits before it allocates the pixels.
FormatResult<GrayImage> DecodePng(std::span<const std::uint8_t> bytes);

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::span<const std::uint8_t> bytes);

}  // namespace gft
