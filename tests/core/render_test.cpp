// Tile bitmaps, reading them back, and preview generation. The display
// toggles are the golden case options and the GUI tests.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "format/fnt_reader.h"
#include "format/tile_bitmap.h"
#include "format/tile_decode.h"
#include "session/preview.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

unsigned Le32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<unsigned>(b[at + 3]) << 24;
}

// Palette entry i as red, green, blue.
std::array<int, 3> Colour(const Bytes& bmp, int i) {
    const std::size_t at = 54 + 4 * static_cast<std::size_t>(i);
    EXPECT_EQ(bmp[at + 3], 0);
    return {bmp[at + 2], bmp[at + 1], bmp[at]};
}

TEST(TileBitmap, HeaderRowsAndColours) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = 100;
    Bytes rows(100);
    for (int r = 0; r < 100; ++r)
        rows[r] = static_cast<std::uint8_t>(r + 1);
    font.Chars[65] = CharInfo{true, rows, 5, 0};
    font.Selected[65] = 1;

    const Bytes bmp = BuildTileBitmap(font, 65, {});
    ASSERT_EQ(bmp.size(), 462u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    const std::pair<std::size_t, unsigned> fields[] = {
        {2, 462}, {6, 0},    {10, 62}, {14, 40}, {18, 5}, {22, 100}, {26, 1 | 1 << 16},
        {30, 0},  {34, 400}, {38, 0},  {42, 0},  {46, 0}, {50, 0}};
    for (const auto& [at, value] : fields)
        EXPECT_EQ(Le32(bmp, at), value) << "offset " << at;
    EXPECT_EQ(Colour(bmp, 0), (std::array<int, 3>{28, 113, 198}));  // selected: blue
    EXPECT_EQ(Colour(bmp, 1), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(Bytes(bmp.begin() + 62, bmp.begin() + 70), (Bytes{100, 0, 0, 0, 99, 0, 0, 0}));
    EXPECT_EQ(Bytes(bmp.end() - 4, bmp.end()), (Bytes{1, 0, 0, 0}));  // the top row comes last

    EXPECT_EQ(Le32(BuildTileBitmap(font, 65, {true, false}), 18), 8u);
    font.Chars[66] = CharInfo{true, Bytes(100), 0, 1};
    EXPECT_EQ(Le32(BuildTileBitmap(font, 66, {}), 18), 1u);
    EXPECT_EQ(Colour(BuildTileBitmap(font, 66, {}), 0), (std::array<int, 3>{80, 80, 80}));

    font.Chars[8] = CharInfo{true, Bytes(100), 8, 0};
    font.Chars[9] = CharInfo{true, Bytes(200), 9, 0};
    EXPECT_EQ(Colour(BuildTileBitmap(font, 8, {false, true}), 1),
              (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(Colour(BuildTileBitmap(font, 9, {false, true}), 1),
              (std::array<int, 3>{255, 255, 128}));
    EXPECT_EQ(Le32(BuildTileBitmap(font, 9, {}), 34), 400u);  // 2 bytes + 2 pad a row
}

TEST(Preview, WritesTheRangeAndReportsItsTime) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(6).Set(65, 8).Build());
    EXPECT_EQ(FolderEntries(f.session.TempFolder).size(), 256u);

    ::mkdir(f.dir.File("fresh").c_str(), 0777);
    f.session.TempFolder = f.dir.File("fresh/");
    GeneratePreview(f.session, 200, 100);
    const auto files = FolderEntries(f.session.TempFolder);
    ASSERT_EQ(files.size(), 101u);
    EXPECT_EQ(files.front(), "64.BMP");
    EXPECT_EQ(files.back(), "C8.BMP");
    // The time's format is held by every golden case, which reads it as "(T sec)".
    EXPECT_EQ(f.session.LogLines().back(), "Preview generated " + f.session.TimeCaption());
}

TEST(Preview, OnlyChangedTilesAreWrittenAgain) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(6).Set(65, 8).Set(66, 8).Build());
    const std::string tile = f.session.TempFolder + "41.BMP";
    const Bytes handMade{1, 2, 3};
    f.dir.Write("tiles/41.BMP", handMade);
    RedrawTiles(f.session, 0, 255);
    EXPECT_EQ(ReadAll(tile), handMade);  // nothing changed: not rewritten

    f.session.font.Chars[65].Pixels[0] ^= 0x80;
    RedrawTiles(f.session, 0, 255);
    EXPECT_EQ(ReadAll(tile), BuildTileBitmap(f.session.font, 65, {}));

    f.session.font.Selected[66] = 1;
    RedrawTiles(f.session, 66, 66);
    EXPECT_EQ(Colour(ReadAll(f.session.TempFolder + "42.BMP"), 0),
              (std::array<int, 3>{28, 113, 198}));
}

constexpr std::uint32_t kInk = 0xFFFFFFFF;
constexpr std::uint32_t kGrey = 0xFF505050;
constexpr std::uint32_t kBlue = 0xFF1C71C6;

TEST(TileDecode, RendererOutputComesBackPixelForPixel) {
    FntBuilder b(3);
    b.SetPixels(65, 9, {0x80, 0x80, 0x01, 0x7F, 0xFF, 0xFF});  // rows of two bytes
    b.SetPixels(66, 5, {0x07, 0x00, 0xF8});
    Font font = ParseFnt(b.Build()).font;
    font.Selected[66] = 1;

    const auto a = DecodeTileBitmap(BuildTileBitmap(font, 65, {}));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->width, 9);
    EXPECT_EQ(a->height, 3);
    // Top row 0x80 0x80: ink at column 0 and column 8.
    EXPECT_EQ(a->argb[0], kInk);
    EXPECT_EQ(a->argb[1], kGrey);
    EXPECT_EQ(a->argb[8], kInk);
    EXPECT_EQ(a->argb[9], kGrey);  // second row 0x01 0x7F: column 7 ink, column 8 not
    EXPECT_EQ(a->argb[9 + 7], kInk);
    EXPECT_EQ(a->argb[9 + 8], kGrey);

    // Bits past the width appear only with "[Show invisible parts]".
    const auto narrow = DecodeTileBitmap(BuildTileBitmap(font, 66, {}));
    const auto wide = DecodeTileBitmap(BuildTileBitmap(font, 66, {true, false}));
    ASSERT_TRUE(narrow && wide);
    EXPECT_EQ(narrow->width, 5);
    EXPECT_EQ(std::vector<std::uint32_t>(narrow->argb.begin(), narrow->argb.begin() + 5),
              std::vector<std::uint32_t>(5, kBlue));
    EXPECT_EQ(wide->width, 8);
    EXPECT_EQ(wide->argb[7], kInk);
    EXPECT_EQ(wide->argb[2 * 8], kInk);  // bottom row 0xF8

    const auto blank = DecodeTileBitmap(BlankTileBitmap());
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->argb, std::vector<std::uint32_t>(64, 0xFFC0C0C0));
}

TEST(TileDecode, RefusesWhatIsNotAOneBitBitmapOrIsCutShort) {
    FntBuilder b(20);
    b.Set(65, 17);
    const Bytes good = BuildTileBitmap(ParseFnt(b.Build()).font, 65, {});
    ASSERT_TRUE(DecodeTileBitmap(good));

    EXPECT_FALSE(DecodeTileBitmap(Bytes(good.begin(), good.end() - 1)));
    EXPECT_FALSE(DecodeTileBitmap(Bytes(good.begin(), good.begin() + 40)));
    // 8 bits a pixel, a huge width, the pixel data beyond the end, not "BM".
    for (const auto& [at, value] : {std::pair{28, 8}, {21, 0x7F}, {12, 0x7F}, {0, 'X'}}) {
        Bytes spoilt = good;
        spoilt[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(DecodeTileBitmap(spoilt)) << "offset " << at;
    }
}

}  // namespace
}  // namespace gft::test
