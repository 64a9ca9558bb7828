#include "format/ink_bitmap.h"

namespace gft {

InkBitmap Drawn(const InkRows& picture) {
    InkBitmap bitmap(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        picture.draw(y, bitmap.Row(y));
    return bitmap;
}

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

void CopyBits(std::uint8_t* out, const std::uint8_t* row, std::size_t rowBytes, std::size_t at,
              int bitCount) {
    const std::uint8_t* in = row + at / 8;
    const std::size_t left = rowBytes - at / 8;  // bytes of the row from `in` on
    const int shift = static_cast<int>(at % 8);
    const int bytes = (bitCount + 7) / 8;
    for (int i = 0; i < bytes; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const unsigned next = index + 1 < left ? in[index + 1] : 0;
        out[i] = static_cast<std::uint8_t>(in[index] << shift | next >> (8 - shift));
    }
    if (const int used = bitCount % 8) out[bytes - 1] &= static_cast<std::uint8_t>(0xFF00u >> used);
}

}  // namespace gft
