// Adding and removing a blank row at the top or bottom of every glyph.
#include <gtest/gtest.h>

#include "commands/height_gap.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

TEST(HeightGap, IncreaseThenDecreaseRestoresEveryGlyph) {
    for (const int increase : {0, 2}) {
        SessionFixture f;
        FntBuilder b(10);
        b.SetPixels(65, 12, Bytes(20, 0x5A)).Set(66, 3, 0x07);
        f.LoadBytes(b.Build());
        f.session.font.Chars[67].HasError = 1;
        const Font before = f.session.font;

        ChangeHeightGap(f.session, increase);
        const Font& font = f.session.font;
        EXPECT_EQ(font.FontHeight, 11);
        const Bytes& grown = font.Chars[65].Pixels;
        ASSERT_EQ(grown.size(), 22u);  // two bytes a row
        const auto blank = increase == 0 ? grown.begin() : grown.end() - 2;
        EXPECT_EQ(Bytes(blank, blank + 2), Bytes(2, 0));
        EXPECT_EQ(font.Chars[200].Pixels, Bytes(11, 0));  // absent glyphs too
        EXPECT_EQ(f.session.Title(),
                  "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:11 Max WIDTH:12) (*)");
        EXPECT_EQ(f.view.editorHidden, 1);

        ChangeHeightGap(f.session, increase + 1);
        EXPECT_EQ(f.session.font.Chars, before.Chars) << "index " << increase;
        EXPECT_EQ(f.session.font.FontHeight, 10);
    }
}

TEST(HeightGap, DecreaseIsRefusedByInkInTheRowInvisibleBitsIncluded) {
    SessionFixture f;
    FntBuilder b(3);
    b.SetPixels(65, 8, {0x01, 0, 0}).SetPixels(70, 5, {0x07, 0, 0});  // 70: past the width
    b.SetPixels(66, 9, {0, 0x80, 0, 0, 0, 1});
    f.LoadBytes(b.Build());
    const Font before = f.session.font;
    std::size_t start = f.session.LogLines().size();
    ChangeHeightGap(f.session, 1);
    ChangeHeightGap(f.session, 3);
    EXPECT_EQ(
        f.LogSince(start),
        (Lines{"Character 65 blocking decrease top gap", "Character 66 blocking decrease top gap",
               "Character 70 blocking decrease top gap", "Total obstacles 3",
               "Character 66 blocking decrease down gap", "Total obstacles 1"}));
    EXPECT_EQ(f.session.font, before);
    EXPECT_EQ(f.view.editorHidden, 0);
}

TEST(HeightGap, LimitsAtHeightOneAnd255) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(1).Build());
    std::size_t start = f.session.LogLines().size();
    ChangeHeightGap(f.session, 1);
    ChangeHeightGap(f.session, 3);
    EXPECT_EQ(f.LogSince(start), Lines(2, "Font height is too small (1)"));
    EXPECT_EQ(f.session.font.FontHeight, 1);

    FntBuilder tall(255);
    tall.Set(65, 255, 0).Set(66, 250, 0);  // 32 bytes a row
    tall.glyphs[65].pixels.back() = 0x01;  // ink in the bottom row only
    f.LoadBytes(tall.Build());
    const Font before = f.session.font;
    start = f.session.LogLines().size();
    ChangeHeightGap(f.session, 0);
    ChangeHeightGap(f.session, 2);
    EXPECT_TRUE(f.session.LogLines().size() == start);
    EXPECT_EQ(f.session.font, before);

    ChangeHeightGap(f.session, 1);
    EXPECT_EQ(f.session.font.FontHeight, 254);
    EXPECT_EQ(f.session.font.Chars[65].Pixels.size(), 254u * 32);
    ChangeHeightGap(f.session, 0);
    EXPECT_EQ(f.session.font.Chars, before.Chars);
}

TEST(HeightGap, NothingWithoutAFont) {
    SessionFixture f;
    for (int index = 0; index < 4; ++index)
        ChangeHeightGap(f.session, index);
    EXPECT_TRUE(f.session.LogLines().empty());
    EXPECT_EQ(f.session.font.FontHeight, 0);
}

}  // namespace
}  // namespace gft::test
