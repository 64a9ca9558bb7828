#include "format/image_file.h"

#include "format/bmp_codec.h"
#include "format/png_codec.h"

namespace gft {

FormatResult<GrayImage> DecodeImage(std::span<const std::uint8_t> bytes) {
    if (LooksLikePng(bytes)) return DecodePng(bytes);
    if (LooksLikeBmp(bytes)) return DecodeBmp(bytes);
    return FormatResult<GrayImage>::Failure("Image is neither PNG nor BMP");
}

FormatResult<InkBitmap> DecodeInkImage(std::span<const std::uint8_t> bytes) {
    if (LooksLikePng(bytes)) return DecodePngInk(bytes);
    FormatResult<GrayImage> grey = DecodeImage(bytes);
    if (!grey.ok()) return FormatResult<InkBitmap>::Failure(std::move(grey.error));
    return FormatResult<InkBitmap>::Success(InkOf(grey.value));
}

}  // namespace gft
