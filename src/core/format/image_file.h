#pragma once

#include <cstdint>
#include <span>

#include "format/format_result.h"
#include "format/ink_bitmap.h"
#include "format/raster.h"

namespace gft {

// A PNG or BMP picture, told apart by its first bytes, as luminance.
FormatResult<GrayImage> DecodeImage(std::span<const std::uint8_t> bytes);
// The same picture's ink: where the luminance is below half.
FormatResult<InkBitmap> DecodeInkImage(std::span<const std::uint8_t> bytes);

}  // namespace gft
