// The PNG and BMP codecs the pixel-map import and the exports share: what
// every kind of file reads as, and that no damaged or oversized file gets
// further than a message.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <functional>

#include "format/bmp_codec.h"
#include "format/png_codec.h"

namespace gft::test {
namespace {

// A PNG written with libpng directly, of any colour type: `rows` holds the
// packed rows as the type and depth want them.
Bytes RawPng(int width, int height, int colourType, int depth, const Bytes& rows,
             bool interlaced = false, std::function<void(png_structp, png_infop)> extra = {}) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* bytes = static_cast<Bytes*>(png_get_io_ptr(p));
            bytes->insert(bytes->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, depth, colourType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (extra) extra(png, info);
    png_write_info(png, info);
    if (depth == 16) png_set_swap(png);  // rows given little-endian
    const std::size_t stride = rows.size() / static_cast<std::size_t>(height);
    std::vector<png_bytep> pointers;
    for (int y = 0; y < height; ++y)
        pointers.push_back(const_cast<png_bytep>(rows.data()) + y * stride);
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

GrayImage Gradient(int width, int height) {
    GrayImage image(width, height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<std::uint8_t>(i * 37);
    return image;
}

std::vector<std::uint8_t> Pixels(const FormatResult<GrayImage>& decoded) {
    EXPECT_TRUE(decoded.ok()) << decoded.error;
    return decoded.value.pixels;
}

TEST(Png, KeepsEveryGreyAndWritesInkAsOneBitBlack) {
    const GrayImage image = Gradient(23, 11);
    EXPECT_EQ(DecodePng(EncodePng(image).value).value, image);

    GrayImage edge(9, 2);
    edge.Set(0, 0, 127);  // ink
    edge.Set(8, 1, 0);
    edge.Set(3, 1, 128);  // paper
    GrayImage expected(9, 2);
    expected.Set(0, 0, 0);
    expected.Set(8, 1, 0);
    EXPECT_EQ(DecodePng(EncodePng(InkOf(edge)).value).value, expected);
}

TEST(Png, EveryColourTypeReadsAsLuminanceOverWhite) {
    // Pure red, green, blue and grey 100 as RGB.
    const Bytes rgb{255, 0, 0, 0, 255, 0, 0, 0, 255, 100, 100, 100};
    EXPECT_EQ(Pixels(DecodePng(RawPng(4, 1, PNG_COLOR_TYPE_RGB, 8, rgb))),
              (Bytes{76, 150, 29, 100}));
    // Black opaque, black transparent, black half covered.
    const Bytes rgba{0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 128};
    EXPECT_EQ(Pixels(DecodePng(RawPng(3, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, rgba))),
              (Bytes{0, 255, 127}));
    const Bytes greyAlpha{10, 255, 10, 0};
    EXPECT_EQ(Pixels(DecodePng(RawPng(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, greyAlpha))),
              (Bytes{10, 255}));
    // 2-bit grey: 0, 1, 2, 3 of 3.
    EXPECT_EQ(Pixels(DecodePng(RawPng(4, 1, PNG_COLOR_TYPE_GRAY, 2, Bytes{0x1B}))),
              (Bytes{0, 85, 170, 255}));
    // 16-bit grey keeps its high byte.
    EXPECT_EQ(Pixels(DecodePng(RawPng(2, 1, PNG_COLOR_TYPE_GRAY, 16, Bytes{0xFF, 0x12, 0, 0x80}))),
              (Bytes{0x12, 0x80}));
    // A palette of black and white where index 0 is transparent.
    const auto palette = [](png_structp png, png_infop info) {
        png_color colours[2] = {{0, 0, 0}, {255, 255, 255}};
        png_set_PLTE(png, info, colours, 2);
        png_byte alpha[1] = {0};
        png_set_tRNS(png, info, alpha, 1, nullptr);
    };
    EXPECT_EQ(
        Pixels(DecodePng(RawPng(3, 1, PNG_COLOR_TYPE_PALETTE, 8, Bytes{0, 1, 0}, false, palette))),
        (Bytes{255, 255, 255}));
    // Interlaced rows come back in place.
    const GrayImage gradient = Gradient(13, 9);
    EXPECT_EQ(DecodePng(RawPng(13, 9, PNG_COLOR_TYPE_GRAY, 8, gradient.pixels, true)).value,
              gradient);
}

TEST(Png, RefusesWhatIsNotAWholeReasonablePicture) {
    EXPECT_EQ(DecodePng({}).error, "Not a PNG image");
    EXPECT_EQ(DecodePng(Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}).error, "Not a PNG image");
    const Bytes good = EncodePng(Gradient(40, 30)).value;
    for (std::size_t cut = 8; cut < good.size() - 12; ++cut) {  // the end chunk may go
        const auto decoded = DecodePng(std::span(good).first(cut));
        ASSERT_FALSE(decoded.ok()) << cut;
        EXPECT_EQ(decoded.error.rfind("PNG image is damaged: ", 0), 0u) << decoded.error;
    }
    // A header claiming 16000 x 16000 (with a good checksum) is refused
    // before the pixels are read.
    Bytes huge = good;
    for (int at : {16, 20}) {
        huge[at] = 0, huge[at + 1] = 0, huge[at + 2] = 0x3E, huge[at + 3] = 0x80;
    }
    const uLong crc = crc32(0, huge.data() + 12, 17);
    for (int i = 0; i < 4; ++i)
        huge[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    EXPECT_EQ(DecodePng(huge).error, "Image is too large (16000 x 16000)");
    EXPECT_EQ(EncodePng(GrayImage(0, 5)).error, "Image is empty");
}

// ---- BMP

void Put(Bytes& out, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A BMP with a 40-byte header (or the 12-byte one), the palette given as
// BGR0 entries and the pixel rows as stored.
Bytes RawBmp(int width, int height, int bits, const Bytes& palette, const Bytes& rows,
             bool core = false, std::uint32_t compression = 0) {
    const std::size_t info = core ? 12 : 40;
    Bytes out(14 + info);
    out[0] = 'B', out[1] = 'M';
    Put(out, 14, static_cast<std::uint32_t>(info), 4);
    if (core) {
        Put(out, 18, static_cast<std::uint32_t>(width), 2);
        Put(out, 20, static_cast<std::uint32_t>(height), 2);
        Put(out, 22, 1, 2);
        Put(out, 24, static_cast<std::uint32_t>(bits), 2);
        for (std::size_t e = 0; e < palette.size(); e += 4)
            out.insert(out.end(), palette.begin() + static_cast<long>(e),
                       palette.begin() + static_cast<long>(e) + 3);
    } else {
        Put(out, 18, static_cast<std::uint32_t>(width), 4);
        Put(out, 22, static_cast<std::uint32_t>(height), 4);
        Put(out, 26, 1, 2);
        Put(out, 28, static_cast<std::uint32_t>(bits), 2);
        Put(out, 30, compression, 4);
        Put(out, 46, static_cast<std::uint32_t>(palette.size() / 4), 4);
        out.insert(out.end(), palette.begin(), palette.end());
    }
    Put(out, 10, static_cast<std::uint32_t>(out.size()), 4);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

TEST(Bmp, OneBitFileIsBottomUpPaddedBlackAndWhite) {
    GrayImage image(10, 2);
    image.Set(0, 0, 0);
    image.Set(9, 1, 100);
    const Bytes file = EncodeBmp1Bit(InkOf(image)).value;
    ASSERT_EQ(file.size(), 62u + 2 * 4);
    EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 62), (Bytes{255, 255, 255, 0, 0, 0, 0, 0}));
    // Bottom row first: ink at x 9; then the top row: ink at x 0.
    EXPECT_EQ(Bytes(file.begin() + 62, file.end()), (Bytes{0, 0x40, 0, 0, 0x80, 0, 0, 0}));
    GrayImage expected(10, 2);
    expected.Set(0, 0, 0);
    expected.Set(9, 1, 0);
    EXPECT_EQ(DecodeBmp(file).value, expected);
}

TEST(Bmp, ReadsPalettesAndTrueColourEitherWayUp) {
    const Bytes greys{0, 0, 0, 0, 50, 50, 50, 0, 255, 255, 255, 0};  // 3 of 16 entries
    // 4 bits, top-down (negative height): indices 0 1 2 3 / 2 1 0 0;
    // index 3 has no palette entry and reads as black.
    const Bytes fourBit = RawBmp(4, -2, 4, greys, Bytes{0x01, 0x23, 0, 0, 0x21, 0x00, 0, 0});
    EXPECT_EQ(Pixels(DecodeBmp(fourBit)), (Bytes{0, 50, 255, 0, 255, 50, 0, 0}));
    // 8 bits bottom-up, rows of 3 padded to 4.
    const Bytes eightBit = RawBmp(3, 2, 8, greys, Bytes{2, 2, 2, 9, 0, 1, 2, 9});
    EXPECT_EQ(Pixels(DecodeBmp(eightBit)), (Bytes{0, 50, 255, 255, 255, 255}));
    // 24 bits: blue, green, red in each pixel's bytes.
    const Bytes trueColour = RawBmp(2, 1, 24, {}, Bytes{0, 0, 255, 0, 255, 0, 0, 0});
    EXPECT_EQ(Pixels(DecodeBmp(trueColour)), (Bytes{76, 150}));
    const Bytes withAlpha = RawBmp(1, 1, 32, {}, Bytes{100, 100, 100, 0});
    EXPECT_EQ(Pixels(DecodeBmp(withAlpha)), (Bytes{100}));
    // The oldest header, 3-byte palette entries.
    const Bytes core =
        RawBmp(2, 1, 1, Bytes{255, 255, 255, 0, 0, 0, 0, 0}, Bytes{0x40, 0, 0, 0}, true);
    EXPECT_EQ(Pixels(DecodeBmp(core)), (Bytes{255, 0}));
}

TEST(Bmp, RefusesCompressedStrangeTruncatedAndHugeFiles) {
    const Bytes rows(4 * 3, 0);
    EXPECT_EQ(DecodeBmp(RawBmp(2, 3, 16, {}, rows)).error,
              "BMP images of 16 bits per pixel are not supported");
    EXPECT_EQ(DecodeBmp(RawBmp(2, 3, 8, Bytes(8), rows, false, 1)).error,
              "Compressed BMP images are not supported");
    EXPECT_EQ(DecodeBmp(RawBmp(20000, 1, 1, Bytes(8), rows)).error,
              "Image is too large (20000 x 1)");
    EXPECT_EQ(DecodeBmp(RawBmp(0, 1, 1, Bytes(8), rows)).error, "Image is empty");
    EXPECT_EQ(DecodeBmp(Bytes{'P', 'N'}).error, "Not a BMP image");
    const Bytes good = RawBmp(5, 3, 24, {}, Bytes(16 * 3, 7));
    for (std::size_t cut = 2; cut < good.size(); ++cut)
        EXPECT_EQ(DecodeBmp(std::span(good).first(cut)).error, "BMP image is truncated") << cut;
    Bytes farOffset = good;
    Put(farOffset, 10, 0xFFFFFFF0u, 4);
    EXPECT_EQ(DecodeBmp(farOffset).error, "BMP image is truncated");
}

}  // namespace
}  // namespace gft::test
