// The TrueType export read back by FreeType (truetype_round_trip.h): the
// sample font, fonts made from the system's X11 bitmap fonts and DejaVu by
// the typeface import, and generated fonts at the edges of the format must
// come back pixel for pixel. The tables themselves are checked with
// fontTools by the golden runner cases; the baseline estimate is here.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <functional>

#include "format/fnt_reader.h"
#include "format/glyph_analysis.h"
#include "format/glyph_rows.h"
#include "format/truetype_export.h"
#include "format/typeface_import.h"
#include "test_support.h"
#include "truetype_round_trip.h"

namespace gft::test {
namespace {

using Pattern = std::function<bool(int row, int col)>;

void Draw(Font& font, int code, int width, const Pattern& ink) {
    CharInfo& glyph = font.Chars[code];
    glyph.Present = true;
    glyph.Width = static_cast<std::uint8_t>(width);
    glyph.Pixels.assign(static_cast<std::size_t>(glyph.BytesPerRow() * font.FontHeight), 0);
    for (int row = 0; row < font.FontHeight; ++row)
        for (int col = 0; col < glyph.BytesPerRow() * 8; ++col)
            // Bits beyond the width set too: they must not show.
            SetPixel(glyph, row, col, col >= width || ink(row, col));
}

void ExpectRoundTrip(const Font& font, int ascent, CodePage page = CodePage::Windows1250) {
    const TrueTypeExport exported = ExportTrueType(font, {ascent, page, "Test"});
    EXPECT_EQ(TrueTypeRoundTripDifference(font, exported, ascent, page), "")
        << "height " << int{font.FontHeight} << ", ascent " << ascent;
}

bool Checker(int row, int col) {
    return (row + col) % 2 == 0;
}

TEST(TrueTypeExport, SampleFontInEachCodePageAtSeveralAscents) {
    const Font sample = ParseFnt(ReadAll(GFT_SAMPLE_FNT)).font;
    ASSERT_EQ(EstimateBaseline(sample), 16);
    for (const CodePage page : {CodePage::Windows1250, CodePage::Windows1252, CodePage::Iso8859_2})
        for (const int ascent : {0, 16, 20})
            ExpectRoundTrip(sample, ascent, page);
}

TEST(TrueTypeExport, FontsMadeFromRealTypefaces) {
    struct Typeface {
        std::string path;
        int size;
        std::optional<int> threshold;
    };
    const std::string x11 = "/usr/share/fonts/X11/75dpi/";
    const std::string dejaVu = "/usr/share/fonts/truetype/dejavu/";
    const Typeface typefaces[] = {
        {x11 + "helvR12-ISO8859-1.pcf.gz", 12, {}}, {x11 + "timR14-ISO8859-1.pcf.gz", 14, {}},
        {x11 + "courB10-ISO8859-1.pcf.gz", 10, {}}, {x11 + "charBI24-ISO8859-1.pcf.gz", 24, {}},
        {x11 + "ncenR18-ISO8859-1.pcf.gz", 18, {}}, {dejaVu + "DejaVuSans.ttf", 8, {}},
        {dejaVu + "DejaVuSans.ttf", 13, {}},        {dejaVu + "DejaVuSerif-Bold.ttf", 27, 50},
        {dejaVu + "DejaVuSansMono.ttf", 16, {}},    {dejaVu + "DejaVuSans.ttf", 72, 40},
    };
    int tried = 0;
    for (const Typeface& typeface : typefaces) {
        if (!std::filesystem::exists(typeface.path)) continue;
        const TypefaceImport imported = ImportTypefaceFile(
            typeface.path, {typeface.size, CodePage::Windows1250, typeface.threshold});
        ASSERT_TRUE(imported.ok()) << imported.error;
        SCOPED_TRACE(typeface.path + " at " + std::to_string(typeface.size));
        ExpectRoundTrip(imported.font, imported.ascent);
        ExpectRoundTrip(imported.font, EstimateBaseline(imported.font), CodePage::Iso8859_2);
        ++tried;
    }
    if (tried == 0) GTEST_SKIP() << "neither X11's 75 dpi fonts nor DejaVu are installed";
}

TEST(TrueTypeExport, GeneratedFontsAtTheEdgesOfTheFormat) {
    const std::pair<const char*, Pattern> patterns[] = {
        {"full", [](int, int) { return true; }},
        {"checkerboard", Checker},
        {"isolated pixels", [](int row, int col) { return row % 2 == 0 && col % 3 == 1; }},
        // Stairs of pixels touching only at their corners, both ways.
        {"diagonals",
         [](int row, int col) { return (row + col) % 4 == 0 || (row - col) % 5 == 0; }},
        // Nested square rings: holes inside holes.
        {"rings",
         [](int row, int col) { return std::max(std::abs(row - 9), std::abs(col - 9)) % 3 == 0; }},
        {"noise", [](int row, int col) { return (row * 7919 + col * 104729) % 11 < 5; }},
    };
    for (const int height : {1, 2, 19, 255}) {
        Font font = EmptyFont(height);
        // Control codes, or codes around those Windows-1250 leaves unassigned.
        int code = height < 19 ? 0 : 120;
        for (const auto& [name, ink] : patterns)
            for (const int width : {0, 1, 2, 21, 255}) {
                // A 255 x 255 glyph of more points than a glyph may hold is
                // a case of its own (below).
                const bool tooMany = height == 255 && width == 255 && std::string(name) != "full";
                Draw(font, code++, width, tooMany ? Pattern([](int, int) { return false; }) : ink);
            }
        for (const int ascent : {0, height / 2, height})
            ExpectRoundTrip(font, ascent);
    }
}

// FreeType's view of a glyph's outline before it is scaled: whether it is a
// composite, and its contours (a composite's components merged).
struct Shape {
    bool composite = false;
    int contours = 0;
};
Shape ShapeOf(const Bytes& ttf, char32_t character) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Init_FreeType(&library);
    FT_New_Memory_Face(library, ttf.data(), static_cast<FT_Long>(ttf.size()), 0, &face);
    Shape shape;
    FT_Load_Char(face, character, FT_LOAD_NO_SCALE | FT_LOAD_NO_RECURSE);
    shape.composite = face->glyph->format == FT_GLYPH_FORMAT_COMPOSITE;
    FT_Load_Char(face, character, FT_LOAD_NO_SCALE);
    shape.contours = face->glyph->outline.n_contours;
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return shape;
}

TEST(TrueTypeExport, PixelsTouchingAtACornerAreContoursOfTheirOwn) {
    Font font = EmptyFont(3);
    Draw(font, 'a', 3, [](int row, int col) { return row == col; });
    // A ring whose hole touches the outside only at a corner: one contour,
    // through that corner twice.
    Draw(font, 'b', 3, [](int row, int col) { return row != 1 || col != 1; });
    font.Chars['b'].Pixels[0] &= 0x7F;  // top left pixel blank
    const TrueTypeExport exported = ExportTrueType(font, {3, CodePage::Windows1250, "Corners"});
    EXPECT_EQ(TrueTypeRoundTripDifference(font, exported, 3, CodePage::Windows1250), "");
    EXPECT_EQ(ShapeOf(exported.bytes, 'a').contours, 3);
    EXPECT_EQ(ShapeOf(exported.bytes, 'b').contours, 1);
}

TEST(TrueTypeExport, GlyphsBeyondWhatOneOutlineHolds) {
    Font font = EmptyFont(255);
    // Isolated pixels, 4 points and a contour each, on every other corner of
    // a grid of two pixels: at most 64 in a row or column, which FreeType's
    // black-and-white renderer takes.
    const auto pixels = [](int count) {
        return [count](int row, int col) {
            const int i = row / 2, j = col / 2;
            return row % 2 == 0 && col % 2 == 0 && (i + j) % 2 == 0 && (i * 128 + j) / 2 < count;
        };
    };
    Draw(font, 'A', 120, [](int row, int col) { return row < 120 && Checker(row, col); });
    Draw(font, 'B', 255, [](int, int) { return true; });
    Draw(font, 'C', 255, Checker);       // 130052 points
    Draw(font, 'D', 255, pixels(4094));  // the most contours of a simple glyph
    Draw(font, 'E', 255, pixels(4095));
    Draw(font, 'F', 255, pixels(8189));  // 32756 points: the most FreeType loads
    Draw(font, 'G', 255, pixels(8190));
    const TrueTypeExport exported = ExportTrueType(font, {200, CodePage::Windows1250, "Complex"});
    EXPECT_EQ(exported.notes, (std::vector<std::string>{
                                  "Character 67 is too complex for TrueType (130052 points) - "
                                  "exported empty",
                                  "Character 71 is too complex for TrueType (32760 points) - "
                                  "exported empty"}));
    EXPECT_EQ(TrueTypeRoundTripDifference(font, exported, 200, CodePage::Windows1250), "");
    EXPECT_TRUE(ShapeOf(exported.bytes, 'A').composite);
    EXPECT_EQ(ShapeOf(exported.bytes, 'A').contours, 7200);
    EXPECT_FALSE(ShapeOf(exported.bytes, 'B').composite);
    EXPECT_FALSE(ShapeOf(exported.bytes, 'D').composite);
    EXPECT_TRUE(ShapeOf(exported.bytes, 'E').composite);
    EXPECT_TRUE(ShapeOf(exported.bytes, 'F').composite);
}

TEST(GlyphAnalysis, BaselineEstimateIsTheCommonestFootOfDigitsAndCapitals) {
    Font font = EmptyFont(10);
    EXPECT_EQ(EstimateBaseline(font), 10) << "no glyph to go by";
    const auto footAt = [&](int code, int lowest) {
        Draw(font, code, 3, [lowest](int row, int col) { return row <= lowest && col == 1; });
    };
    footAt('J', 9);  // descenders, and glyphs that are neither digits nor capitals
    footAt('Q', 9);
    footAt('g', 9);
    footAt('A', 6);
    EXPECT_EQ(EstimateBaseline(font), 7);
    footAt('1', 4);
    EXPECT_EQ(EstimateBaseline(font), 7) << "a tie goes to the lower row";
    footAt('Z', 4);
    EXPECT_EQ(EstimateBaseline(font), 5);
    Draw(font, 'B', 2, [](int row, int col) { return row == 8 && col == 0; });
    Draw(font, 'C', 2, [](int row, int col) { return row == 8 && col == 0; });
    font.Chars['C'].Present = false;
    EXPECT_EQ(EstimateBaseline(font), 5) << "an absent glyph has no say";
    Draw(font, 'D', 1, [](int, int col) { return col == 1; });  // ink beyond the width only
    Draw(font, '0', 2, [](int row, int col) { return row == 8 && col == 0; });
    EXPECT_EQ(EstimateBaseline(font), 9);
}

}  // namespace
}  // namespace gft::test
