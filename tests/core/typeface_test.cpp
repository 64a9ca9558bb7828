// Typefaces in and out: real X11 and TrueType fonts through the import, and
// the BDF export read back by the import, directly and after X11's bdftopcf.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <string>

#include "format/bdf_export.h"
#include "format/typeface_import.h"
#include "glyph_pattern.h"
#include "test_support.h"

namespace gft::test {
namespace {

const std::string kHelvetica12 = "/usr/share/fonts/X11/75dpi/helvR12-ISO8859-1.pcf.gz";
const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

TypefaceImport Import(const std::string& path, int size, CodePage page = CodePage::Windows1250) {
    TypefaceOptions options;
    options.pixelSize = size;
    options.codePage = page;
    return ImportTypefaceFile(path, options);
}

TypefaceImport ImportText(const std::string& text, int size, std::optional<int> threshold = {}) {
    TypefaceOptions options;
    options.pixelSize = size;
    options.thresholdPercent = threshold;
    return ImportTypefaceBytes(BytesOf(text), "font.bdf", options);
}

int InkCount(const Font& font) {
    int ink = 0;
    for (const CharInfo& glyph : font.Chars)
        for (std::uint8_t byte : glyph.Pixels)
            ink += std::popcount(byte);
    return ink;
}

TEST(TypefaceImport, X11BitmapFontUsesItsOnlyStrikeThroughEachCodePage) {
    const TypefaceImport latin2 = Import(kHelvetica12, 16);
    ASSERT_TRUE(latin2.ok()) << latin2.error;
    EXPECT_EQ(latin2.font.FontHeight, 14);
    EXPECT_EQ(latin2.ascent, 11);
    EXPECT_EQ(latin2.font.MaxWidth, 12);
    EXPECT_EQ(latin2.characters, 144);
    EXPECT_FALSE(latin2.font.Chars[0xB9].Present);  // a-ogonek: not in a Latin-1 font
    EXPECT_FALSE(latin2.font.Chars[31].Present);
    EXPECT_EQ(latin2.font.AttrSection, (std::array<std::uint8_t, kAttrSectionSize>{}));
    const std::vector<std::string> a = {".........,,,,,,,", ".........,,,,,,,", "....#....,,,,,,,",
                                        "...#.#...,,,,,,,", "...#.#...,,,,,,,", "..#...#..,,,,,,,",
                                        "..#...#..,,,,,,,", "..#####..,,,,,,,", ".#.....#.,,,,,,,",
                                        ".#.....#.,,,,,,,", ".#.....#.,,,,,,,", ".........,,,,,,,",
                                        ".........,,,,,,,", ".........,,,,,,,"};
    EXPECT_EQ(RowsOf(latin2.font.Chars['A'], 14), a);  // width 9: cell cut, baseline at 11

    const TypefaceImport latin1 = Import(kHelvetica12, 16, CodePage::Windows1252);
    EXPECT_EQ(latin1.characters, 191);
    EXPECT_EQ(latin1.font.Chars[0xE8].Width, 7);  // e-grave here, c-caron in Windows-1250
    EXPECT_EQ(Import(kHelvetica12, 16, CodePage::Iso8859_2).characters, 134);
}

TEST(TypefaceImport, ScalableFaceAtTwoSizes) {
    const TypefaceImport small = Import(kDejaVuSans, 11);
    ASSERT_TRUE(small.ok()) << small.error;
    EXPECT_EQ(small.font.FontHeight, 14);
    EXPECT_EQ(small.ascent, 11);
    EXPECT_EQ(small.characters, 218);
    EXPECT_EQ(small.font.Chars['A'].Width, 7);
    EXPECT_EQ(small.font.MaxWidth, 15);
    const std::vector<std::string> a = {".......,", ".......,", ".......,", "...#...,", "..#.#..,",
                                        "..#.#..,", "..#.#..,", ".#...#.,", ".#####.,", ".#...#.,",
                                        "#.....#,", ".......,", ".......,", ".......,"};
    EXPECT_EQ(RowsOf(small.font.Chars['A'], 14), a);

    const TypefaceImport large = Import(kDejaVuSans, 16);
    EXPECT_EQ(large.font.FontHeight, 19);
    EXPECT_EQ(large.ascent, 15);
    EXPECT_EQ(large.characters, 218);
    EXPECT_EQ(large.font.Chars['A'].Width, 11);
    EXPECT_EQ(large.font.Chars[0xB9].Width, 9);
}

TEST(TypefaceImport, ThresholdModeInksByCoverage) {
    TypefaceOptions options;
    options.thresholdPercent = 1;
    const TypefaceImport bold = ImportTypefaceFile(kDejaVuSans, options);
    options.thresholdPercent = 99;
    const TypefaceImport thin = ImportTypefaceFile(kDejaVuSans, options);
    ASSERT_TRUE(bold.ok() && thin.ok());
    EXPECT_EQ(bold.font.FontHeight, 19);
    EXPECT_GT(InkCount(bold.font), 2 * InkCount(Import(kDejaVuSans, 16).font));
    EXPECT_LT(InkCount(thin.font), InkCount(Import(kDejaVuSans, 16).font));
}

TEST(TypefaceImport, BadInputGivesAMessageAndNoFont) {
    const TempDir dir;
    const Font bdf = [] {
        Font font;
        font.FontLoaded = true;
        font.FontHeight = 2;
        font.Chars['x'] = GlyphOf(2, {"#.", ".#"});
        return font;
    }();
    std::string foreign = ExportBdf(bdf, 2).text;
    foreign.replace(foreign.find("\"ISO10646\""), 10, "\"FOO\"");
    const std::pair<TypefaceImport, std::string> cases[] = {
        {Import(dir.File("none.ttf"), 16), "Cannot open none.ttf"},
        {Import(dir.Write("junk.ttf", BytesOf("not a font")), 16), "junk.ttf is not a typeface"},
        {ImportText(foreign, 2), "No Unicode character map in font.bdf"},
        {Import(kDejaVuSans, 255), "Font height must be 1 to 255, not 298"},
        {Import(kDejaVuSans, 0), "Pixel size must be 1 to 255, not 0"},
        {ImportText(ExportBdf(bdf, 2).text, 2, 0), "Threshold must be 1 to 100 %, not 0"},
    };
    for (const auto& [result, message] : cases) {
        EXPECT_EQ(result.error, message);
        EXPECT_FALSE(result.font.FontLoaded);
    }
    EXPECT_TRUE(ImportText(ExportBdf(bdf, 2).text, 2).ok());
}

TEST(BdfExport, WritesEveryPresentGlyphInsideItsWidth) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = 3;
    font.Chars['A'] = GlyphOf(3, {"#.#+", ".#.,", "###+"});
    font.Chars[129] = GlyphOf(9, {"#.......#+", ".........,", "########.,"});
    EXPECT_EQ(ExportBdf(font, 2).text,
              "STARTFONT 2.1\n"
              "FONT -gft-grindfnt-medium-r-normal--3-30-72-72-p-60-iso10646-1\n"
              "SIZE 3 72 72\n"
              "FONTBOUNDINGBOX 9 3 0 -1\n"
              "STARTPROPERTIES 5\n"
              "FONT_ASCENT 2\n"
              "FONT_DESCENT 1\n"
              "PIXEL_SIZE 3\n"
              "CHARSET_REGISTRY \"ISO10646\"\n"
              "CHARSET_ENCODING \"1\"\n"
              "ENDPROPERTIES\n"
              "CHARS 2\n"
              "STARTCHAR char65\nENCODING 65\nSWIDTH 1000 0\nDWIDTH 3 0\nBBX 3 3 0 -1\n"
              "BITMAP\nA0\n40\nE0\nENDCHAR\n"
              "STARTCHAR char129\nENCODING -1 129\nSWIDTH 3000 0\nDWIDTH 9 0\nBBX 9 3 0 -1\n"
              "BITMAP\n8080\n0000\nFF00\nENDCHAR\n"
              "ENDFONT\n");
    EXPECT_EQ(ExportBdf(font, 4).error, "Ascent must be 0 to 3, not 4");
    EXPECT_EQ(ExportBdf(Font{}, 0).error, "No font loaded");
}

// Every code with a pattern of its own, widths 0..20, bits beyond the width set.
Font PatternFont(int height) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = static_cast<std::uint8_t>(height);
    for (int code = 0; code < kGlyphCount; ++code) {
        CharInfo& glyph = font.Chars[code];
        if (code % 7 == 3) {
            MakeAbsent(glyph, height);
            continue;
        }
        glyph.Present = true;
        glyph.Width = static_cast<std::uint8_t>(code % 21);
        glyph.Pixels.resize(static_cast<std::size_t>(glyph.BytesPerRow() * height));
        for (std::size_t k = 0; k < glyph.Pixels.size(); ++k)
            glyph.Pixels[k] = static_cast<std::uint8_t>((code * 37 + k * 101) % 251);
    }
    return font;
}

// What a glyph becomes on its way through BDF and back: the bits beyond its
// width are gone; codes without a character, or drawn with no width, absent.
CharInfo AfterRoundTrip(CharInfo glyph, int code, int height) {
    const bool kept = code >= 32 && code != 127 &&
                      CodePageCharacter(CodePage::Windows1250, static_cast<std::uint8_t>(code)) &&
                      glyph.Present && glyph.Width > 0;
    if (!kept) {
        MakeAbsent(glyph, height);
        return glyph;
    }
    for (int row = 0; row < height; ++row)
        for (int col = glyph.Width; col < glyph.BytesPerRow() * 8; ++col)
            glyph.Pixels[static_cast<std::size_t>(row * glyph.BytesPerRow() + col / 8)] &=
                static_cast<std::uint8_t>(~(0x80u >> (col % 8)));
    return glyph;
}

TEST(BdfExport, ImportedBackGivesTheSameGlyphsAlsoAfterBdftopcf) {
    const int height = 12;
    const Font font = PatternFont(height);
    const std::string bdf = ExportBdf(font, 9).text;
    const TypefaceImport back = ImportText(bdf, 40);
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(back.font.FontHeight, height);
    EXPECT_EQ(back.ascent, 9);
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo expected = AfterRoundTrip(font.Chars[code], code, height);
        const CharInfo& got = back.font.Chars[code];
        EXPECT_EQ(got.Present, expected.Present) << code;
        EXPECT_EQ(got.Width, expected.Width) << code;
        EXPECT_EQ(RowsOf(got, height), RowsOf(expected, height)) << code;
    }

    const TempDir dir;
    const std::string command =
        "bdftopcf -o " + dir.File("font.pcf") + " " + dir.Write("font.bdf", BytesOf(bdf));
    ASSERT_EQ(std::system(command.c_str()), 0) << "bdftopcf (xfonts-utils) refused the font";
    const TypefaceImport pcf = Import(dir.File("font.pcf"), 12);
    ASSERT_TRUE(pcf.ok()) << pcf.error;
    EXPECT_EQ(pcf.font, back.font);
}

}  // namespace
}  // namespace gft::test
