// Typefaces in and out: real X11 and TrueType fonts through the import in
// each code page, the BDF export's text, text drawn with a font, look-alike
// glyphs and widths fitted to the ink. Whole imports, exports read back and
// their messages are golden runner cases.
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <tuple>

#include "format/bdf_export.h"
#include "format/code_page.h"
#include "format/glyph_analysis.h"
#include "format/text_render.h"
#include "format/typeface_import.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Rows = std::vector<std::string>;

const std::string kHelvetica12 = "/usr/share/fonts/X11/75dpi/helvR12-ISO8859-1.pcf.gz";
const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

Rows RowsOf(const CharInfo& glyph, int height) {
    Rows rows(static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < glyph.BytesPerRow() * 8; ++col) {
            const bool ink =
                glyph.Pixels[static_cast<std::size_t>(row * glyph.BytesPerRow() + col / 8)] &
                (0x80 >> col % 8);
            rows[static_cast<std::size_t>(row)] +=
                col < glyph.Width ? (ink ? '#' : '.') : (ink ? '+' : ',');
        }
    return rows;
}

TypefaceImport Import(const std::string& path, int size, CodePage page = CodePage::Windows1250,
                      std::optional<int> threshold = {}) {
    return ImportTypefaceFile(path, {size, page, threshold});
}

TypefaceImport ImportText(const std::string& text, int size, std::optional<int> threshold = {}) {
    return ImportTypefaceBytes(BytesOf(text), "font.bdf", {size, CodePage::Windows1250, threshold});
}

int InkCount(const Font& font) {
    int ink = 0;
    for (const CharInfo& glyph : font.Chars)
        for (std::uint8_t byte : glyph.Pixels)
            ink += std::popcount(byte);
    return ink;
}

// Every byte of each code page as the C library's iconv reads it: the
// typeface import, the text render, the hover labels and the BDF encodings
// all go through these tables.
TEST(CodePage, EveryByteIsTheCharacterIconvReads) {
    const std::pair<const char*, CodePage> pages[] = {{"CP1250", CodePage::Windows1250},
                                                      {"CP1252", CodePage::Windows1252},
                                                      {"ISO-8859-2", CodePage::Iso8859_2}};
    for (const auto& [name, page] : pages) {
        const iconv_t convert = ::iconv_open("WCHAR_T", name);
        ASSERT_NE(convert, reinterpret_cast<iconv_t>(-1)) << name;
        for (int byte = 0; byte < 256; ++byte) {
            char in = static_cast<char>(byte);
            wchar_t out = 0;
            char* from = &in;
            char* to = reinterpret_cast<char*>(&out);
            std::size_t inLeft = 1;
            std::size_t outLeft = sizeof out;
            const bool known = ::iconv(convert, &from, &inLeft, &to, &outLeft) == 0;
            const auto expected =
                known ? std::optional<char32_t>(static_cast<char32_t>(out)) : std::nullopt;
            EXPECT_EQ(CodePageCharacter(page, static_cast<std::uint8_t>(byte)), expected)
                << name << " byte " << byte;
        }
        ::iconv_close(convert);
    }
}

TEST(TypefaceImport, X11BitmapFontUsesItsOnlyStrikeThroughEachCodePage) {
    const TypefaceImport font = Import(kHelvetica12, 16);
    ASSERT_TRUE(font.ok()) << font.error;
    EXPECT_EQ(font.font.FontHeight, 14);
    EXPECT_EQ(font.ascent, 11);
    EXPECT_EQ(font.font.MaxWidth, 12);
    EXPECT_EQ(font.characters, 144);  // no a-ogonek and the like in a Latin-1 font
    EXPECT_FALSE(font.font.Chars[31].Present);
    // Its glyphs are the golden case typeface_pcf's.
    EXPECT_EQ(font.font.Chars['A'].Width, 9);

    const TypefaceImport latin1 = Import(kHelvetica12, 16, CodePage::Windows1252);
    EXPECT_EQ(latin1.characters, 191);
    EXPECT_EQ(latin1.font.Chars[0xE8].Width, 7);  // e-grave, where Windows-1250 has c-caron
    EXPECT_EQ(Import(kHelvetica12, 16, CodePage::Iso8859_2).characters, 134);
}

TEST(TypefaceImport, NearestStrikeFirstOnATie) {
    const std::vector<long> strikes = {8, 18, 14, 12, 20};
    EXPECT_EQ(NearestStrike(strikes, 16), 1);
    EXPECT_EQ(NearestStrike(strikes, 13), 2);
    EXPECT_EQ(NearestStrike(strikes, 1), 0);
    EXPECT_EQ(NearestStrike({}, 16), -1);
}

TEST(TypefaceImport, ScalableFaceAtTwoSizesAndByThreshold) {
    const TypefaceImport small = Import(kDejaVuSans, 11);
    const TypefaceImport large = Import(kDejaVuSans, 16);
    ASSERT_TRUE(small.ok() && large.ok()) << small.error;
    EXPECT_EQ(std::make_tuple(small.font.FontHeight, small.ascent, small.characters,
                              small.font.Chars['A'].Width, small.font.MaxWidth),
              std::make_tuple(14, 11, 218, 7, 15));
    EXPECT_EQ(std::make_tuple(large.font.FontHeight, large.ascent, large.characters,
                              large.font.Chars['A'].Width, large.font.Chars[0xB9].Width),
              std::make_tuple(19, 15, 218, 11, 9));
    const int mono = InkCount(large.font);
    EXPECT_GT(InkCount(Import(kDejaVuSans, 16, CodePage::Windows1250, 1).font), 2 * mono);
    EXPECT_LT(InkCount(Import(kDejaVuSans, 16, CodePage::Windows1250, 99).font), mono);
}

TEST(TypefaceImport, BadInputGivesAMessageAndNoFont) {
    const TempDir dir;
    Font font = EmptyFont(2);
    font.Chars['x'] = GlyphOf({"#.", ".#"});
    const std::string bdf = ExportBdf(font, 2).text;
    std::string foreign = bdf;
    foreign.replace(foreign.find("\"ISO10646\""), 10, "\"FOO\"");
    const std::pair<TypefaceImport, std::string> cases[] = {
        {ImportText(foreign, 2), "No Unicode character map in font.bdf"},
        {Import(kDejaVuSans, 0), "Pixel size must be 1 to 255, not 0"},
        {ImportText(bdf, 2, 0), "Threshold must be 1 to 100 %, not 0"},
    };
    for (const auto& [result, message] : cases) {
        EXPECT_EQ(result.error, message);
        EXPECT_FALSE(result.font.FontLoaded);
    }
}

TEST(BdfExport, WritesEveryPresentGlyphInsideItsWidth) {
    Font font = EmptyFont(3);
    font.Chars['A'] = GlyphOf({"#.#+", ".#.,", "###+"});
    font.Chars[129] = GlyphOf({"#.......#+", ".........,", "########.,"});
    EXPECT_EQ(ExportBdf(font, 2).text,
              "STARTFONT 2.1\nFONT -gft-grindfnt-medium-r-normal--3-30-72-72-p-60-iso10646-1\n"
              "SIZE 3 72 72\nFONTBOUNDINGBOX 9 3 0 -1\nSTARTPROPERTIES 5\nFONT_ASCENT 2\n"
              "FONT_DESCENT 1\nPIXEL_SIZE 3\nCHARSET_REGISTRY \"ISO10646\"\n"
              "CHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS 2\n"
              "STARTCHAR char65\nENCODING 65\nSWIDTH 1000 0\nDWIDTH 3 0\nBBX 3 3 0 -1\n"
              "BITMAP\nA0\n40\nE0\nENDCHAR\n"
              "STARTCHAR char129\nENCODING -1 129\nSWIDTH 3000 0\nDWIDTH 9 0\nBBX 9 3 0 -1\n"
              "BITMAP\n8080\n0000\nFF00\nENDCHAR\nENDFONT\n");
    EXPECT_EQ(ExportBdf(font, 4).error, "Ascent must be 0 to 3, not 4");
    EXPECT_EQ(ExportBdf(Font{}, 0).error, "No font loaded");
}

// A picture as rows of '#' (0) and '.' (255); anything else as '?'.
Rows Picture(const GrayImage& image) {
    Rows rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            rows[static_cast<std::size_t>(y)] += image.At(x, y) == 0     ? '#'
                                                 : image.At(x, y) == 255 ? '.'
                                                                         : '?';
    return rows;
}

TEST(TextRender, DrawsGlyphsSideBySideByWindows1250) {
    Font font = EmptyFont(2);
    font.Chars['A'] = GlyphOf({"#.+", ".#,"});
    font.Chars[0xB9] = GlyphOf({"..#", "##."});  // a-ogonek
    font.Chars[0x80] = GlyphOf({"+", "+"});      // the euro sign, without width
    // B is absent; Cyrillic zhe, a stray byte and an overlong slash are not in the code page.
    const TextRender text = RenderText(font,
                                       "AB\xD0\xB6\xFF\xC4\x85\xE2\x82\xAC\xC0\xAF"
                                       "A",
                                       2);
    ASSERT_TRUE(text.ok()) << text.error;
    EXPECT_EQ(Picture(text.value),
              (Rows{"##......####..", "##......####..", "..######....##", "..######....##"}));
    // The preview's way: a hollow box for each character without a glyph
    // (absent, outside the code page, malformed); a glyph of width 0 draws
    // nothing either way.
    const TextRender boxed = RenderText(font,
                                        "AB\xD0\xB6\xFF\xC4\x85\xE2\x82\xAC\xC0\xAF"
                                        "A",
                                        1, MissingGlyphs::Box);
    EXPECT_EQ(Picture(boxed.value), (Rows{"#.###.###.###...####.#.", ".####.###.###.##.###..#"}));
    Font tall = EmptyFont(4);
    EXPECT_EQ(Picture(RenderText(tall, "x", 1, MissingGlyphs::Box).value),
              (Rows{"###.", "#.#.", "#.#.", "###."}));
    EXPECT_EQ(RenderText(font, "B", 1).value.width, 0);
    EXPECT_EQ(RenderText(font, "B", 1).value.height, 2);
    EXPECT_EQ(RenderText(font, "A", 9).error, "Scale must be 1 to 8, not 9");
    EXPECT_EQ(RenderText(font, "A", 0).error, "Scale must be 1 to 8, not 0");
    EXPECT_EQ(RenderText(Font{}, "A", 1).error, "No font loaded");
}

TEST(GlyphAnalysis, DuplicatesCompareWidthAndTheBitsInsideIt) {
    Font font = EmptyFont(2);
    font.Chars[66] = GlyphOf({"#.#", ".#."});
    font.Chars[65] = GlyphOf({"#.#+", ".#.+"});  // differs only beyond the width
    font.Chars[200] = GlyphOf({"#.#,", ".#.,"});
    font.Chars[67] = GlyphOf({"#.#.", ".#.."});  // wider
    font.Chars[10] = GlyphOf({",", "+"});
    font.Chars[11] = GlyphOf({"+", ","});  // width 0: nothing inside the width differs
    font.Chars[12] = font.Chars[66];
    font.Chars[12].Present = false;
    EXPECT_EQ(FindDuplicateGroups(font), (std::vector<std::vector<int>>{{10, 11}, {65, 66, 200}}));
}

TEST(GlyphAnalysis, FitWidthToInk) {
    const std::tuple<CharInfo, int, Rows, bool> cases[] = {
        // narrower; the bits beyond the new width stay as they are
        {GlyphOf({"#.#.....", ".#......"}), 1, {"#.#.,,,,", ".#..,,,,"}, true},
        // wider: the new columns are blank though they held bits beyond the width
        {GlyphOf({"#.#+++,+", "...++,,,"}), 3, {"#.#...,+", "......,,"}, true},
        {GlyphOf({".......#", "#......."}), 2, {".......#..,,,,,,", "#.........,,,,,,"}, true},
        // ink beyond the width is no ink
        {GlyphOf({"..++", "..,,"}), 1, {"..++,,,,", "..,,,,,,"}, false},
        {GlyphOf({"...#", "...."}), 0, {"...#,,,,", "....,,,,"}, false},
    };
    for (const auto& [before, spacing, after, changed] : cases) {
        CharInfo glyph = before;
        EXPECT_EQ(FitWidthToInk(glyph, 2, spacing), changed) << after[0];
        EXPECT_EQ(RowsOf(glyph, 2), after);
    }
    std::string wide(255, '.');
    wide[254] = '#';
    CharInfo glyph = GlyphOf({wide});
    EXPECT_FALSE(FitWidthToInk(glyph, 1, 8)) << "at most 255";
}

}  // namespace
}  // namespace gft::test
