// Feeds any bytes to the pixel-map import: the first two bytes give the
// length of the width table (little-endian), the table follows, the rest is
// the picture (PNG or BMP). A picture that cannot be read is replaced by a
// blank sheet, so that the width table is read whatever the picture.
// Whatever comes in, a picture read is within the limits and survives the
// encoders, its ink read directly is the ink of its grey, and imported glyphs are sound and come
// back the same through an export and a second import.
#include <algorithm>
#include <bit>
#include <string_view>

#include "format/bmp_codec.h"
#include "format/glyph_sheet.h"
#include "format/image_file.h"
#include "format/image_pixels.h"
#include "format/png_codec.h"
#include "fuzz_support.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

// Round trips through the encoders cost time in proportion to the picture;
// only small ones take them.
constexpr std::size_t kRoundTripPixels = 1 << 16;

void CheckPicture(const GrayImage& image) {
    Require(CheckImageSize(image.width, image.height).empty(), "a picture beyond the limits");
    Require(image.pixels.size() ==
                static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height),
            "pixels do not fill the picture");
    if (image.pixels.size() > kRoundTripPixels) return;
    const auto png = EncodePng(image);
    Require(png.ok() && DecodePng(png.value).value == image, "a grey PNG changed the picture");
    const InkBitmap ink = InkOf(image);
    const GrayImage inked = ToGray(ink);
    const auto bmp = EncodeBmp1Bit(ink);
    Require(bmp.ok() && DecodeBmp(bmp.value).value == inked, "a 1-bit BMP changed the ink");
    const auto onePng = EncodePng(ink);
    Require(onePng.ok() && DecodePng(onePng.value).value == inked, "a 1-bit PNG changed the ink");
}

void CheckGlyphs(const SheetImport& read, const InkBitmap& sheet) {
    const int cellWidth = sheet.width / 16;
    Require(read.height == sheet.height / 16, "the height is not the cell height");
    for (const CharInfo& glyph : read.chars) {
        Require(glyph.Pixels.size() == static_cast<std::size_t>(glyph.BytesPerRow()) * read.height,
                "a glyph's bytes do not fill its rows");
        if (!glyph.Present) {
            Require(glyph.Width == 0, "an absent glyph has a width");
            Require(std::all_of(glyph.Pixels.begin(), glyph.Pixels.end(),
                                [](auto b) { return b == 0; }),
                    "an absent glyph has ink");
            continue;
        }
        Require(glyph.Width >= 1 && glyph.Width <= cellWidth, "a width of 0 or beyond the cell");
        const int spare = glyph.BytesPerRow() * 8 - glyph.Width;
        for (int y = 0; y < read.height; ++y) {
            const auto last =
                glyph.Pixels[static_cast<std::size_t>((y + 1) * glyph.BytesPerRow() - 1)];
            Require(spare >= 8 || (last & ((1 << spare) - 1)) == 0, "ink beyond a glyph's width");
        }
    }
}

int InkCount(const Bytes& bits) {
    int count = 0;
    for (const std::uint8_t byte : bits)
        count += std::popcount(byte);
    return count;
}

// The glyphs are exported with every bit beyond their widths set, which the
// sheet must leave out.
void CheckRoundTrip(const SheetImport& read) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = read.height;
    font.Chars = read.chars;
    int ink = 0;
    for (CharInfo& glyph : font.Chars) {
        font.MaxWidth = std::max(font.MaxWidth, glyph.Width);
        ink += InkCount(glyph.Pixels);
        const int spare = glyph.BytesPerRow() * 8 - glyph.Width;
        for (int y = 0; y < read.height && glyph.Present && spare > 0; ++y)
            glyph.Pixels[static_cast<std::size_t>((y + 1) * glyph.BytesPerRow() - 1)] |=
                static_cast<std::uint8_t>((1 << spare) - 1);
    }
    const InkBitmap sheet = DrawGlyphSheet(font);
    Require(InkCount(sheet.bits) == ink, "ink beyond a glyph's width reached the sheet");
    const SheetImport again = ReadGlyphSheet(sheet, WidthTable(font));
    Require(again.ok() && again.notes.empty(), "an exported sheet was not imported cleanly");
    Require(again.height == read.height && again.chars == read.chars,
            "export and import changed the glyphs");
}

InkBitmap BlankSheet() {
    return InkBitmap(16 * 5, 16 * 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t tableLength = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
    const std::string_view table(reinterpret_cast<const char*>(data + 2), tableLength);
    const std::span<const std::uint8_t> file(data + 2 + tableLength, size - 2 - tableLength);

    const FormatResult<GrayImage> picture = DecodeImage(file);
    if (picture.ok()) CheckPicture(picture.value);
    const FormatResult<InkBitmap> ink = DecodeInkImage(file);
    Require(ink.ok() == picture.ok(), "the ink of a picture read differently from its grey");
    if (ink.ok() && picture.value.pixels.size() <= kRoundTripPixels)
        Require(ink.value == InkOf(picture.value), "the ink read is not the grey's ink");
    const InkBitmap sheet = ink.ok() ? ink.value : BlankSheet();
    const SheetImport read = ReadGlyphSheet(sheet, table);
    if (!read.ok()) return 0;
    CheckGlyphs(read, sheet);
    if (sheet.bits.size() * 8 <= kRoundTripPixels) CheckRoundTrip(read);
    return 0;
}
