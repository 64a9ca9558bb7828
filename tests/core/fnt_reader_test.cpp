// Reading FNT files: what loads as stored. Every repair and refusal is a
// golden case (tests/cli/golden): check_malformed has the log lines,
// dump_repaired the repaired glyphs with their error marks, rejected that a
// refused file leaves the loaded font alone.
#include <gtest/gtest.h>

#include "commands/files/read_font.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

const Lines kClosing{"FNT Loaded", "Output path set to input", kIdleHint};

TEST(FntReader, GlyphBytesWidthsAndInvisibleBitsLoadAsStored) {
    SessionFixture f;
    FntBuilder b(3);
    b.SetPixels(65, 9, {0x80, 0x80, 0x01, 0x7F, 0xFF, 0xFF});
    b.SetPixels(66, 5, {0x07, 0x00, 0xF8});  // 0x07: bits past width 5
    b.attr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const std::string path = f.LoadBytes(b.Build());
    EXPECT_EQ(f.Log(), kClosing);
    const Font& font = f.session.font;
    EXPECT_EQ(font.Chars[65].Width, 9);
    EXPECT_EQ(font.Chars[65].Pixels, (Bytes{0x80, 0x80, 0x01, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(font.Chars[66].Pixels, (Bytes{0x07, 0x00, 0xF8}));
    EXPECT_EQ(font.Chars[67], (CharInfo{false, Bytes(3, 0), 0, 0}));
    EXPECT_EQ(font.AttrSection[11], 12);
    EXPECT_EQ(font.MaxWidth, 9);
    EXPECT_EQ(f.session.FilePaths[kModeSave], path);  // "[Use source path for output]"

    SessionFixture g;
    g.session.options[Toggle::UseSrcPath] = false;
    g.LoadBytes(b.Build());
    EXPECT_EQ(g.session.FilePaths[kModeSave], "");
    EXPECT_EQ(g.Log(), (Lines{"FNT Loaded", kIdleHint}));
    EXPECT_FALSE(ReadFntFile(g.session, g.dir.path(), kModeLoad).accepted);  // a folder
    EXPECT_EQ(g.session.font, f.session.font);
}

TEST(FntReader, HeightZeroBecomesOne) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(0).Build());
    EXPECT_EQ(f.Log().front(), "Font height set too low - changed to 1");
    EXPECT_EQ(f.session.font.FontHeight, 1);
    EXPECT_EQ(f.session.font.Chars[0].Pixels, Bytes(1, 0));
}

TEST(FntReader, BlockLongerThan32767WithMatchingEndFieldIsAccepted) {
    SessionFixture f;
    FntBuilder b(255);
    for (int c = 0; c < 5; ++c)
        b.Set(c, 255, static_cast<std::uint8_t>(c + 1));  // 8160 bytes each
    Bytes file = b.Build();
    ASSERT_EQ(file.size() - 796, 0x9F61u);
    EXPECT_TRUE(ReadFntFile(f.session, f.dir.Write("big.fnt", file), kModeLoad).accepted);
    Lines expected;  // nothing but the width warnings
    for (int c = 0; c < 5; ++c)
        expected.push_back("Character " + std::to_string(c) + " width is 255 > 16");
    expected.insert(expected.end(), kClosing.begin(), kClosing.end());
    EXPECT_EQ(f.Log(), expected);
    EXPECT_EQ(f.session.font.Chars[4].Pixels, Bytes(8160, 5));
}

TEST(FntReader, SelectionTableBesideTheFontIsRead) {
    SessionFixture f;
    Bytes table(256, 0);
    table[65] = 1;
    table[66] = 7;
    f.dir.Write("A.lok", table);
    f.LoadBytes(FntBuilder(4).Build(), "A.FNT");
    EXPECT_EQ(f.session.font.Selected[65], 1);
    EXPECT_EQ(f.session.font.Selected[66], 1);
    EXPECT_EQ(f.session.font.Selected[67], 0);
    EXPECT_EQ(f.session.font.EditStatus, 0);

    f.dir.Write("A.lok", Bytes(100, 1));  // a short table selects what it has
    f.LoadBytes(FntBuilder(4).Build(), "A.FNT");
    EXPECT_EQ(f.session.font.Selected[99], 1);
    EXPECT_EQ(f.session.font.Selected[100], 0);

    f.dir.Write("B.LOK", Bytes(256, 1));  // the table's own name is always lower-case "lok"
    f.LoadBytes(FntBuilder(4).Build(), "B.fnt");
    EXPECT_EQ(f.session.font.Selected[0], 0);
}

}  // namespace
}  // namespace gft::test
