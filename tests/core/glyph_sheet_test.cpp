// Getting a font out as pictures and 8-bit files and back in: the sheet's
// layout, its round trip through both image formats, what the import
// refuses, and the 8-bit exports as the inverse of the 8-bit import.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <random>

#include "format/bmp_codec.h"
#include "format/eight_bit_export.h"
#include "format/eight_bit_font.h"
#include "format/glyph_sheet.h"
#include "format/html_page.h"
#include "format/image_file.h"
#include "format/png_codec.h"
#include "test_support.h"

namespace gft::test {
namespace {

void SetGlyph(Font& font, int code, int width, Bytes pixels) {
    CharInfo& glyph = font.Chars[code];
    glyph.Present = true;
    glyph.Width = static_cast<std::uint8_t>(width);
    glyph.Pixels = std::move(pixels);
    font.MaxWidth = std::max<std::uint8_t>(font.MaxWidth, glyph.Width);
}

// Every third code present with random bits, invisible ones included, and
// widths 0..maxWidth.
Font RandomFont(int height, int maxWidth, unsigned seed) {
    std::mt19937 random(seed);
    Font font = EmptyFont(height);
    for (int code = 0; code < kGlyphCount; code += 3) {
        const int width = static_cast<int>(random() % static_cast<unsigned>(maxWidth)) + 1;
        Bytes pixels(static_cast<std::size_t>(CharInfo::BytesPerRowFor(width) * height));
        for (auto& byte : pixels)
            byte = static_cast<std::uint8_t>(random());
        SetGlyph(font, code, width, pixels);
    }
    font.MaxWidth = static_cast<std::uint8_t>(maxWidth);
    return font;
}

// The glyph with the bits beyond its width cleared.
CharInfo VisiblePart(CharInfo glyph) {
    const int stride = glyph.BytesPerRow();
    for (std::size_t at = 0; at < glyph.Pixels.size(); ++at) {
        const int firstBit = static_cast<int>(at % static_cast<std::size_t>(stride)) * 8;
        const int visible = std::clamp(glyph.Width - firstBit, 0, 8);
        glyph.Pixels[at] &= static_cast<std::uint8_t>(0xFF00 >> visible);
    }
    return glyph;
}

int InkCount(const Bytes& bits) {
    return std::accumulate(bits.begin(), bits.end(), 0,
                           [](int sum, std::uint8_t byte) { return sum + std::popcount(byte); });
}

TEST(GlyphSheet, CellsHoldTheVisiblePixelsAtTheirTopLeft) {
    Font font = EmptyFont(2);
    SetGlyph(font, 0, 1, Bytes{0xFF, 0x00});  // one ink pixel, the rest invisible
    SetGlyph(font, 17, 3, Bytes{0xA0, 0x40});
    SetGlyph(font, 255, 0, Bytes{0xFF, 0xFF});  // width 0: nothing to draw, no line
    const InkBitmap sheet = DrawGlyphSheet(font);
    ASSERT_EQ(sheet.width, 48);
    ASSERT_EQ(sheet.height, 32);
    std::vector<std::pair<int, int>> ink;
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            if (sheet.IsInk(x, y)) ink.emplace_back(x, y);
    // Code 17: column 1, row 1, so its cell starts at (3, 2).
    EXPECT_EQ(ink, (std::vector<std::pair<int, int>>{{0, 0}, {3, 2}, {5, 2}, {4, 3}}));
    EXPECT_EQ(WidthTable(font), "0 1\n17 3\n");
    EXPECT_EQ(DrawGlyphSheet(EmptyFont(1)).width, 16);  // no glyph: cells 1 wide
}

// Narrow glyphs share the sheet's words; wide ones span several whole words
// at every bit offset.
TEST(GlyphSheet, ComesBackThroughPngAndBmpWithoutTheInvisibleBits) {
    for (const auto& [height, maxWidth] : {std::pair{13, 19}, std::pair{3, 255}}) {
        const Font font = RandomFont(height, maxWidth, 7);
        const InkBitmap sheet = DrawGlyphSheet(font);
        const std::string table = WidthTable(font);
        for (const Bytes& file : {EncodePng(sheet).value, EncodeBmp1Bit(sheet).value}) {
            const auto image = DecodeInkImage(file);
            ASSERT_TRUE(image.ok()) << image.error;
            const SheetImport back = ReadGlyphSheet(image.value, table);
            ASSERT_TRUE(back.ok()) << back.error;
            EXPECT_TRUE(back.notes.empty());
            EXPECT_EQ(back.height, height);
            for (int code = 0; code < kGlyphCount; ++code)
                EXPECT_EQ(back.chars[code], VisiblePart(font.Chars[code])) << code;
        }
        // Nothing beyond a glyph's width reaches the sheet, not even outside its cell.
        EXPECT_EQ(InkCount(sheet.bits),
                  std::accumulate(font.Chars.begin(), font.Chars.end(), 0,
                                  [](int sum, const CharInfo& glyph) {
                                      return sum + InkCount(VisiblePart(glyph).Pixels);
                                  }));
    }
}

TEST(GlyphSheet, WidthTableJunkIsSkippedByLineAndWideGlyphsAreCut) {
    const InkBitmap sheet = InkOf(GrayImage(16 * 4, 16 * 3, 0));  // all ink
    const SheetImport read = ReadGlyphSheet(
        sheet, "65 2\r\n\nA 3\n66 9\n67\n65 1\n300 1\n 68\t4 \n69 -1\n70 3 x\n71 99999999999\n");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.notes, (std::vector<std::string>{
                              "Width table line 3 skipped", "Width of 66 cut from 9 to 4",
                              "Width table line 5 skipped", "Width table line 6 skipped",
                              "Width table line 7 skipped", "Width table line 9 skipped",
                              "Width table line 10 skipped", "Width table line 11 skipped"}));
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.chars[65].Pixels, (Bytes{0xC0, 0xC0, 0xC0}));
    EXPECT_EQ(read.chars[66].Width, 4);
    EXPECT_EQ(read.chars[68].Pixels, (Bytes{0xF0, 0xF0, 0xF0}));
    const int present = static_cast<int>(std::count_if(
        read.chars.begin(), read.chars.end(), [](const CharInfo& g) { return g.Present; }));
    EXPECT_EQ(present, 3);
    EXPECT_EQ(read.chars[67], (CharInfo{false, Bytes(3, 0), 0, 0}));
}

TEST(GlyphSheet, RefusesSheetsThatAreNot16By16CellsAndEmptyTables) {
    const char* cells = "Image size must be 16 x 16 equal cells";
    EXPECT_EQ(ReadGlyphSheet(InkBitmap(16 * 5 + 1, 16 * 2), "0 1\n").error, cells);
    EXPECT_EQ(ReadGlyphSheet(InkBitmap(16 * 5, 16 * 2 - 1), "0 1\n").error, cells);
    EXPECT_EQ(ReadGlyphSheet(InkBitmap(8, 16), "0 1\n").error, cells);
    EXPECT_EQ(ReadGlyphSheet(InkBitmap(16, 16 * 256), "0 1\n").error,
              "Cells are 256 pixels high; a font is at most 255");
    EXPECT_EQ(ReadGlyphSheet(InkBitmap(16, 16), " \r\n\n").error, "Width table is empty");
    EXPECT_EQ(ReadGlyphSheet(InkBitmap(16, 16), "x\n").error,
              "Width table has no line \"CODE WIDTH\"");
}

// The 8-bit exports give back what the matching import read: random bytes
// (never all in one nibble, which the import takes for 4-pixel characters).
TEST(EightBitExport, IsTheInverseOfTheImport) {
    std::mt19937 random(3);
    Bytes file(2048);
    for (auto& byte : file)
        byte = static_cast<std::uint8_t>(random() % 4 == 0 ? 0 : random());
    for (int code : {0, 1, 200})  // blank glyphs come back blank
        std::fill_n(file.begin() + code * 8, 8, 0);
    for (const bool atari : {false, true}) {
        const Bytes input = atari ? Bytes(file.begin(), file.begin() + 1024) : file;
        const Font font = ParseEightBitFont(input, atari, {}, Font{}).font;
        const EightBitExport out = atari ? ExportAtariFont(font) : ExportEightBitFont(font);
        EXPECT_EQ(out.bytes, input) << atari;
        EXPECT_EQ(out.cut, 0);
        EXPECT_EQ(out.leftOut, 0);
    }
}

TEST(EightBitExport, CutsToTheTopLeftEightByEightAndCountsWhatDidNotFit) {
    Font font = EmptyFont(9);
    SetGlyph(font, 'A', 10, Bytes(18, 0xFF));
    SetGlyph(font, 'B', 3, Bytes(9, 0xFF));  // bits beyond the width stay out
    SetGlyph(font, 200, 8, Bytes(9, 0x81));
    const EightBitExport atari = ExportAtariFont(font);
    ASSERT_EQ(atari.bytes.size(), 1024u);
    EXPECT_EQ(Bytes(atari.bytes.begin() + 33 * 8, atari.bytes.begin() + 35 * 8),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE0, 0xE0, 0xE0, 0xE0, 0xE0,
                     0xE0, 0xE0, 0xE0}));
    EXPECT_EQ(atari.cut, 2);  // the font is 9 rows high
    EXPECT_EQ(atari.leftOut, 1);
    const EightBitExport plain = ExportEightBitFont(font);
    ASSERT_EQ(plain.bytes.size(), 2048u);
    EXPECT_EQ(plain.bytes[200 * 8 + 7], 0x81);
    EXPECT_EQ(plain.cut, 3);
}

TEST(HtmlSpecimen, ShowsTheFontAndMarksTheSelection) {
    Font font = EmptyFont(2);
    SetGlyph(font, 0xBF, 2, Bytes{0xC0, 0x40});  // ż
    SetGlyph(font, 'w', 3, Bytes{0x20, 0x20});
    font.Selected['w'] = 1;
    font.Selected[1] = 1;
    const std::string page = HtmlSpecimen(font, "a<b>.fnt");
    EXPECT_NE(page.find("<h1>a&lt;b&gt;.fnt</h1>"), std::string::npos);
    EXPECT_NE(page.find("<p>Height 2, 2 glyphs</p>"), std::string::npos);
    EXPECT_NE(page.find("aria-label=\"Zażółć gęślą jaźń. The quick"), std::string::npos);
    // 'w' (code 119, column 7, row 7 of a sheet of 3 x 2 cells) at scale 8.
    EXPECT_NE(page.find("<td class=\"sel\"><div class=\"g\" role=\"img\" aria-label=\"w\" "
                        "style=\"width:24px;height:16px;background-position:-168px -112px\">"),
              std::string::npos);
    EXPECT_NE(page.find(".g{background-size:384px 256px;background-image:url(data:image/png;"),
              std::string::npos);
    EXPECT_NE(page.find("<td class=\"absent sel\"><div>1</div>"), std::string::npos);
    EXPECT_EQ(page.find("src=\"http"), std::string::npos);
}

}  // namespace
}  // namespace gft::test
