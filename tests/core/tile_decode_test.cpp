// Reading tile bitmaps back: what the renderer writes comes back pixel for
// pixel, and files that are not such a bitmap are refused without reading past
// their end.
#include <gtest/gtest.h>

#include "render/tile_bitmap.h"
#include "render/tile_decode.h"
#include "test_support.h"

namespace gft::test {
namespace {

constexpr std::uint32_t kInk = 0xFFFFFFFF;
constexpr std::uint32_t kGrey = 0xFF505050;
constexpr std::uint32_t kBlue = 0xFF1C71C6;

Font LoadedFont(FntBuilder& builder) {
    SessionFixture f;
    f.LoadBytes(builder.Build());
    return f.session.font;
}

TEST(TileDecode, RendererOutputComesBackPixelForPixel) {
    FntBuilder b(3);
    b.SetPixels(65, 9, {0x80, 0x80, 0x01, 0x7F, 0xFF, 0xFF});  // rows of two bytes
    b.SetPixels(66, 5, {0x07, 0x00, 0xF8});
    Font font = LoadedFont(b);
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
    const Bytes good = BuildTileBitmap(LoadedFont(b), 65, {});
    ASSERT_TRUE(DecodeTileBitmap(good));

    Bytes shortFile(good.begin(), good.end() - 1);
    EXPECT_FALSE(DecodeTileBitmap(shortFile));
    EXPECT_FALSE(DecodeTileBitmap(Bytes(good.begin(), good.begin() + 40)));
    Bytes eightBit = good;
    eightBit[28] = 8;
    EXPECT_FALSE(DecodeTileBitmap(eightBit));
    Bytes hugeWidth = good;
    hugeWidth[21] = 0x7F;
    EXPECT_FALSE(DecodeTileBitmap(hugeWidth));
    Bytes farData = good;
    farData[12] = 0x7F;  // pixel data offset beyond the end
    EXPECT_FALSE(DecodeTileBitmap(farData));
    Bytes notBmp = good;
    notBmp[0] = 'X';
    EXPECT_FALSE(DecodeTileBitmap(notBmp));
}

}  // namespace
}  // namespace gft::test
