#include "format/bmp_codec.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "format/image_pixels.h"

namespace gft {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kCoreHeaderSize = 12;  // the oldest header: 16-bit sizes, 3-byte palette
constexpr std::uint32_t kUncompressed = 0;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dpi

std::size_t RowStride(std::int64_t width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void Put16(Bytes& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes& out, std::size_t at, std::uint32_t value) {
    Put16(out, at, value & 0xFFFF);
    Put16(out, at + 2, value >> 16);
}

std::uint32_t Get16(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at] | in[at + 1] << 8);
}

std::uint32_t Get32(std::span<const std::uint8_t> in, std::size_t at) {
    return Get16(in, at) | Get16(in, at + 2) << 16;
}

struct BmpHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;  // positive, whatever the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::size_t pixelOffset = 0;
    std::vector<std::uint8_t> palette;  // luminance per entry
};

// Fills the header from the bytes; returns the reason when it cannot.
std::string ReadHeader(std::span<const std::uint8_t> in, BmpHeader& header) {
    if (in.size() < kFileHeaderSize + 4) return "BMP image is truncated";
    header.pixelOffset = Get32(in, 10);
    const std::size_t infoSize = Get32(in, kFileHeaderSize);
    const bool core = infoSize == kCoreHeaderSize;
    if (!core && infoSize < kInfoHeaderSize) return "BMP image has an unknown header";
    if (infoSize > in.size() - kFileHeaderSize) return "BMP image is truncated";
    const std::size_t at = kFileHeaderSize;
    std::int64_t height = 0;
    if (core) {
        header.width = Get16(in, at + 4);
        height = Get16(in, at + 6);
        header.bitsPerPixel = static_cast<int>(Get16(in, at + 10));
    } else {
        header.width = static_cast<std::int32_t>(Get32(in, at + 4));
        height = static_cast<std::int32_t>(Get32(in, at + 8));
        header.bitsPerPixel = static_cast<int>(Get16(in, at + 14));
        header.compression = Get32(in, at + 16);
    }
    if (header.width < 0) return "BMP image is damaged (negative width)";
    header.topDown = height < 0;
    header.height = std::llabs(height);
    const int bits = header.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return "BMP images of " + std::to_string(bits) + " bits per pixel are not supported";
    if (header.compression != kUncompressed) return "Compressed BMP images are not supported";
    if (std::string refused = CheckImageSize(header.width, header.height); !refused.empty())
        return refused;
    std::size_t headersEnd = kFileHeaderSize + infoSize;
    if (bits <= 8) {
        const std::size_t entrySize = core ? 3 : 4;
        std::size_t entries = core ? 0 : Get32(in, at + 32);
        if (entries == 0 || entries > (std::size_t{1} << bits)) entries = std::size_t{1} << bits;
        if (in.size() - headersEnd < entries * entrySize) return "BMP image is truncated";
        for (std::size_t e = 0; e < entries; ++e) {
            const auto* bgr = &in[headersEnd + e * entrySize];
            header.palette.push_back(Luminance(bgr[2], bgr[1], bgr[0]));
        }
        headersEnd += entries * entrySize;
    }
    if (header.pixelOffset < headersEnd)
        return "BMP image is damaged (its pixels would start inside its headers)";
    const std::size_t pixelBytes =
        RowStride(header.width, bits) * static_cast<std::size_t>(header.height);
    if (header.pixelOffset > in.size() || in.size() - header.pixelOffset < pixelBytes)
        return "BMP image is truncated";
    return {};
}

// Luminance of pixel x of a row; palette indices without an entry are black.
std::uint8_t PixelOf(const BmpHeader& header, const std::uint8_t* row, std::int64_t x) {
    const auto i = static_cast<std::size_t>(x);
    switch (header.bitsPerPixel) {
        case 24:
            return Luminance(row[i * 3 + 2], row[i * 3 + 1], row[i * 3]);
        case 32:
            return Luminance(row[i * 4 + 2], row[i * 4 + 1], row[i * 4]);
        default: {
            const int bits = header.bitsPerPixel;
            const int perByte = 8 / bits;
            const int shift =
                8 - bits * (static_cast<int>(i % static_cast<std::size_t>(perByte)) + 1);
            const std::size_t index =
                (row[i / static_cast<std::size_t>(perByte)] >> shift) & ((1 << bits) - 1);
            return index < header.palette.size() ? header.palette[index] : 0;
        }
    }
}

}  // namespace

bool LooksLikeBmp(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

FormatResult<GrayImage> DecodeBmp(std::span<const std::uint8_t> bytes) {
    using Result = FormatResult<GrayImage>;
    if (!LooksLikeBmp(bytes)) return Result::Failure("Not a BMP image");
    BmpHeader header;
    if (std::string refused = ReadHeader(bytes, header); !refused.empty())
        return Result::Failure(refused);
    GrayImage image(static_cast<int>(header.width), static_cast<int>(header.height));
    const std::size_t stride = RowStride(header.width, header.bitsPerPixel);
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = header.topDown ? y : image.height - 1 - y;
        const std::uint8_t* row =
            bytes.data() + header.pixelOffset + static_cast<std::size_t>(fileRow) * stride;
        for (int x = 0; x < image.width; ++x)
            image.Set(x, y, PixelOf(header, row, x));
    }
    return Result::Success(std::move(image));
}

std::string WriteBmp1Bit(const InkRows& picture, ByteSink& sink) {
    if (picture.width < 1 || picture.height < 1) return "Image is empty";
    constexpr std::size_t kPaletteSize = 8;
    constexpr std::size_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    const std::size_t stride = RowStride(picture.width, 1);
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(picture.height);
    Bytes header(kPixelOffset, 0);
    header[0] = 'B';
    header[1] = 'M';
    Put32(header, 2, static_cast<std::uint32_t>(kPixelOffset + pixelBytes));
    Put32(header, 10, kPixelOffset);
    const std::size_t at = kFileHeaderSize;
    Put32(header, at, kInfoHeaderSize);
    Put32(header, at + 4, static_cast<std::uint32_t>(picture.width));
    Put32(header, at + 8, static_cast<std::uint32_t>(picture.height));
    Put16(header, at + 12, 1);  // planes
    Put16(header, at + 14, 1);  // bits per pixel
    Put32(header, at + 20, static_cast<std::uint32_t>(pixelBytes));
    Put32(header, at + 24, kPixelsPerMetre);
    Put32(header, at + 28, kPixelsPerMetre);
    Put32(header, at + 32, 2);                                     // palette entries
    Put32(header, kFileHeaderSize + kInfoHeaderSize, 0x00FFFFFF);  // 0 white, 1 black
    sink.Write(header);
    Bytes row(stride);
    for (int y = picture.height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        picture.draw(y, row.data());
        sink.Write(row);
    }
    return {};
}

FormatResult<Bytes> EncodeBmp1Bit(const InkBitmap& bitmap) {
    const InkRows rows{bitmap.width, bitmap.height, [&bitmap](int y, std::uint8_t* row) {
                           std::copy_n(bitmap.Row(y), bitmap.stride, row);
                       }};
    BytesSink sink;
    std::string error = WriteBmp1Bit(rows, sink);
    if (!error.empty()) return FormatResult<Bytes>::Failure(std::move(error));
    return FormatResult<Bytes>::Success(std::move(sink.bytes));
}

}  // namespace gft
