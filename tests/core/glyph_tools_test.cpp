// Text drawn with a font, glyphs that look alike, widths fitted to the ink.
#include <gtest/gtest.h>

#include "format/code_page.h"
#include "format/glyph_analysis.h"
#include "format/text_render.h"
#include "glyph_pattern.h"

namespace gft::test {
namespace {

Font FontOfHeight(int height) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = static_cast<std::uint8_t>(height);
    for (CharInfo& glyph : font.Chars)
        MakeAbsent(glyph, height);
    return font;
}

// A picture as rows of '#' (0) and '.' (255); anything else as '?'.
std::vector<std::string> Picture(const GrayImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x)
            row += image.At(x, y) == 0 ? '#' : image.At(x, y) == 255 ? '.' : '?';
        rows.push_back(row);
    }
    return rows;
}

TEST(TextRender, DrawsGlyphsSideBySideByWindows1250) {
    Font font = FontOfHeight(2);
    font.Chars['A'] = GlyphOf(2, {"#.+", ".#,"});
    font.Chars[0xB9] = GlyphOf(3, {"..#", "##."});  // a-ogonek
    font.Chars[0x80] = GlyphOf(0, {"+", "+"});      // euro sign, no width
    // B absent, the Cyrillic letter and the stray UTF-8 byte outside the code page.
    const TextRender text = RenderText(font,
                                       "AB\xD0\xB6\xFF\xC4\x85\xE2\x82\xAC"
                                       "A",
                                       2);
    ASSERT_TRUE(text.ok()) << text.error;
    const std::vector<std::string> expected = {"##......####..", "##......####..", "..######....##",
                                               "..######....##"};
    EXPECT_EQ(Picture(text.image), expected);

    EXPECT_EQ(RenderText(font, "B", 1).image.width, 0);
    EXPECT_EQ(RenderText(font, "B", 1).image.height, 2);
    EXPECT_EQ(RenderText(font, "A", 9).error, "Scale must be 1 to 8, not 9");
    EXPECT_EQ(RenderText(font, "A", 0).error, "Scale must be 1 to 8, not 0");
    EXPECT_EQ(RenderText(Font{}, "A", 1).error, "No font loaded");
}

TEST(CodePage, Windows1250BytesOfText) {
    EXPECT_EQ(Cp1250BytesOf("Zażółć €\xE2\x80\xBA\xF0\x9F\x98\x80"),
              (std::vector<std::uint8_t>{'Z', 'a', 0xBF, 0xF3, 0xB3, 0xE6, ' ', 0x80, 0x9B}));
    // Overlong and truncated sequences are not characters.
    EXPECT_TRUE(Cp1250BytesOf("\xC0\xAF\xE2\x82").empty());
    EXPECT_FALSE(Cp1250ByteOf(0xFFFD));
    EXPECT_EQ(CodePageCharacter(CodePage::Windows1252, 0x9F), U'\x178');
    EXPECT_EQ(CodePageCharacter(CodePage::Iso8859_2, 0xB1), U'\x105');
    EXPECT_FALSE(CodePageCharacter(CodePage::Windows1250, 0x98));
}

TEST(GlyphAnalysis, DuplicatesCompareWidthAndTheBitsInsideIt) {
    Font font = FontOfHeight(2);
    font.Chars[66] = GlyphOf(3, {"#.#", ".#."});
    font.Chars[65] = GlyphOf(3, {"#.#+", ".#.+"});  // differs only beyond the width
    font.Chars[200] = GlyphOf(3, {"#.#,", ".#.,"});
    font.Chars[67] = GlyphOf(4, {"#.#.", ".#.."});  // wider
    font.Chars[10] = GlyphOf(0, {",", "+"});
    font.Chars[11] = GlyphOf(0, {"+", ","});  // width 0: nothing inside the width differs
    font.Chars[12] = font.Chars[66];
    font.Chars[12].Present = false;
    EXPECT_EQ(FindDuplicateGroups(font), (std::vector<std::vector<int>>{{10, 11}, {65, 66, 200}}));
    EXPECT_TRUE(FindDuplicateGroups(FontOfHeight(2)).empty());
}

TEST(GlyphAnalysis, FitWidthToInk) {
    struct Case {
        CharInfo glyph;
        int spacing;
        std::vector<std::string> after;
        bool changed;
    };
    const Case cases[] = {
        // narrower; the bits beyond the new width stay as they are
        {GlyphOf(8, {"#.#.....", ".#......"}), 1, {"#.#.,,,,", ".#..,,,,"}, true},
        // wider: the spacing columns that held bits beyond the width are cleared
        {GlyphOf(3, {"#.#+++,+", "...++,,,"}), 3, {"#.#...,+", "......,,"}, true},
        // across a byte
        {GlyphOf(8, {".......#", "#......."}), 2, {".......#..,,,,,,", "#.........,,,,,,"}, true},
        // ink only beyond the width is no ink
        {GlyphOf(2, {"..++", "..,,"}), 1, {"..++,,,,", "..,,,,,,"}, false},
        {GlyphOf(4, {"...#", "...."}), 0, {"...#,,,,", "....,,,,"}, false},
    };
    for (const Case& c : cases) {
        CharInfo glyph = c.glyph;
        EXPECT_EQ(FitWidthToInk(glyph, 2, c.spacing), c.changed) << c.after[0];
        EXPECT_EQ(RowsOf(glyph, 2), c.after);
    }
    std::string wide(255, '.');
    wide[254] = '#';
    CharInfo glyph = GlyphOf(255, {wide});
    EXPECT_FALSE(FitWidthToInk(glyph, 1, 8));
    EXPECT_EQ(glyph.Width, 255);
}

}  // namespace
}  // namespace gft::test
