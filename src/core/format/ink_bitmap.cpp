#include "format/ink_bitmap.h"

#include <bit>
#include <cstring>

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

namespace {

// Rows are big-endian bit strings: the first byte holds the leftmost pixels.
std::uint64_t LoadBigEndian(const std::uint8_t* bytes) {
    std::uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    return std::endian::native == std::endian::little ? __builtin_bswap64(value) : value;
}

void OrBigEndian(std::uint8_t* bytes, std::uint64_t value) {
    value |= LoadBigEndian(bytes);
    if constexpr (std::endian::native == std::endian::little) value = __builtin_bswap64(value);
    std::memcpy(bytes, &value, sizeof value);
}

}  // namespace

// Each source byte lands across two row bytes; the part that spills into the
// next one is carried, so that the loop has no branch on the bits. Eight
// bytes at a time while they last, then one at a time.
void OrBits(std::uint8_t* row, std::size_t at, const std::uint8_t* source, int bitCount) {
    std::uint8_t* out = row + at / 8;
    const int shift = static_cast<int>(at % 8);
    const int whole = bitCount / 8;
    const int rest = bitCount % 8;
    unsigned carry = 0;
    int i = 0;
    for (; i + 8 <= whole; i += 8) {
        const std::uint64_t bits = LoadBigEndian(source + i);
        OrBigEndian(out + i, std::uint64_t{carry} << 56 | bits >> shift);
        carry = static_cast<unsigned>(bits << (8 - shift)) & 0xFF;
    }
    for (; i < whole; ++i) {
        const unsigned byte = source[i];
        out[i] |= static_cast<std::uint8_t>(carry | byte >> shift);
        carry = (byte << (8 - shift)) & 0xFF;
    }
    const unsigned last = rest ? source[whole] & (0xFF00u >> rest) & 0xFF : 0;
    // Written only where ink falls, so never past the last bit.
    if (const unsigned tail = carry | last >> shift) out[whole] |= static_cast<std::uint8_t>(tail);
    if (const unsigned spill = (last << (8 - shift)) & 0xFF)
        out[whole + 1] |= static_cast<std::uint8_t>(spill);
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
