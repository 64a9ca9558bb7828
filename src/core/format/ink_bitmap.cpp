#include "format/ink_bitmap.h"

namespace gft {

GrayImage ToGray(const InkBitmap& bitmap) {
    GrayImage image(bitmap.width, bitmap.height);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            if (bitmap.IsInk(x, y)) image.Set(x, y, 0);
    return image;
}

InkBitmap InkOf(const GrayImage& image) {
    InkBitmap bitmap(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.IsInk(x, y)) bitmap.SetInk(x, y);
    return bitmap;
}

void OrBits(std::uint8_t* row, std::size_t at, const std::uint8_t* source, int bitCount) {
    std::uint8_t* out = row + at / 8;
    const int shift = static_cast<int>(at % 8);
    for (int done = 0; done < bitCount; done += 8, ++source, ++out) {
        const int left = bitCount - done;
        const auto byte =
            static_cast<std::uint8_t>(left >= 8 ? *source : *source & (0xFF00 >> left));
        out[0] |= static_cast<std::uint8_t>(byte >> shift);
        if (shift && byte << (8 - shift) & 0xFF)
            out[1] |= static_cast<std::uint8_t>(byte << (8 - shift));
    }
}

}  // namespace gft
