// Reading FNT files: what is accepted, what is repaired and logged, and that a
// rejected file leaves the loaded font alone.
#include <gtest/gtest.h>

#include "font/fnt_reader.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

const Lines kClosing{"FNT Loaded", "Output path set to input", kIdleHint};

Lines WithClosing(Lines lines) {
    lines.insert(lines.end(), kClosing.begin(), kClosing.end());
    return lines;
}

TEST(FntReader, EmptyFontLoadsWithOnlyTheClosingLines) {
    SessionFixture f;
    const Bytes file = FntBuilder(8).Build();
    ASSERT_EQ(file.size(), 797u);
    f.LoadBytes(file);
    EXPECT_EQ(f.Log(), kClosing);
    EXPECT_TRUE(f.session.font.FontLoaded);
    EXPECT_EQ(f.session.font.FontHeight, 8);
    for (const auto& glyph : f.session.font.Chars) {
        EXPECT_FALSE(glyph.Present);
        EXPECT_EQ(glyph.Pixels, Bytes(8, 0));
        EXPECT_EQ(glyph.HasError, 0);
    }
    EXPECT_EQ(f.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:8 Max WIDTH:0)");
    EXPECT_EQ(f.session.StatusLine(), kIdleHint);
}

TEST(FntReader, GlyphBytesWidthsAndInvisibleBitsLoadAsStored) {
    SessionFixture f;
    FntBuilder b(3);
    b.SetPixels(65, 9, {0x80, 0x80, 0x01, 0x7F, 0xFF, 0xFF});
    b.SetPixels(66, 5, {0x07, 0x00, 0xF8});  // 0x07: bits past width 5
    b.attr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    f.LoadBytes(b.Build());
    const Font& font = f.session.font;
    EXPECT_EQ(font.Chars[65].Width, 9);
    EXPECT_EQ(font.Chars[65].BytesPerRow(), 2);
    EXPECT_EQ(font.Chars[65].Pixels, (Bytes{0x80, 0x80, 0x01, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(font.Chars[66].Pixels, (Bytes{0x07, 0x00, 0xF8}));
    EXPECT_EQ(font.AttrSection[11], 12);
    EXPECT_EQ(font.MaxWidth, 9);
}

TEST(FntReader, RejectedFilesLeaveThePreviousFontAndSayWhy) {
    SessionFixture f;
    FntBuilder good(10);
    good.Set(65, 6);
    f.LoadBytes(good.Build());
    const Font before = f.session.font;

    Bytes wrongHeader = FntBuilder(8).Build();
    wrongHeader[3] = 2;
    Bytes wrongZero = FntBuilder(8).Build();
    wrongZero[9] = 1;
    const struct {
        Bytes bytes;
        const char* line;
    } cases[] = {
        {Bytes(796, 0), "File is too small!"},
        {Bytes{}, "File is too small!"},
        {wrongHeader, "File not recognized as proper Grindlemoor FNT"},
        {wrongZero, "File not recognized as proper Grindlemoor FNT"},
    };
    for (const auto& c : cases) {
        const std::size_t start = f.session.LogLines().size();
        f.LoadBytes(c.bytes, "bad.fnt");
        EXPECT_EQ(f.LogSince(start), Lines{c.line});
        EXPECT_EQ(f.session.font, before);
    }
    const std::size_t start = f.session.LogLines().size();
    EXPECT_FALSE(ReadFntFile(f.session, f.dir.File("missing.fnt"), kModeLoad).accepted);
    EXPECT_EQ(f.LogSince(start), Lines{"File not found!"});
    EXPECT_FALSE(ReadFntFile(f.session, f.dir.path(), kModeLoad).accepted);  // a folder
    EXPECT_EQ(f.session.font, before);
}

TEST(FntReader, HeightZeroBecomesOne) {
    SessionFixture f;
    Bytes file = FntBuilder(0).Build();
    f.LoadBytes(file);
    EXPECT_EQ(f.Log(), WithClosing({"Font height set too low - changed to 1"}));
    EXPECT_EQ(f.session.font.FontHeight, 1);
    EXPECT_EQ(f.session.font.Chars[0].Pixels, Bytes(1, 0));
}

TEST(FntReader, FileLevelFaultsAreLoggedAndReadingGoesOn) {
    SessionFixture f;
    FntBuilder b(2);
    b.Set(65, 8, 0x11);
    Bytes file = b.Build();
    file[792] = 7;
    file[793] = 9;
    SetEndField(file, 100);
    file[796] = 5;
    f.LoadBytes(file);
    EXPECT_EQ(f.Log(), WithClosing({"Expected: 0,0, got: 7,9",
                                    "Last pointer doesn't point to first Byte after valid data",
                                    "Is 100 <> 3", "Place holder data byte is 5 <> 0"}));
    EXPECT_EQ(f.session.font.Chars[65].Pixels, (Bytes{0x11, 0x11}));
}

TEST(FntReader, BlockLongerThan32767WithMatchingEndFieldIsAccepted) {
    SessionFixture f;
    FntBuilder b(255);
    for (int c = 0; c < 5; ++c)
        b.Set(c, 255, static_cast<std::uint8_t>(c + 1));  // 8160 bytes each
    Bytes file = b.Build();
    ASSERT_EQ(file.size() - 796, 0x9F61u);
    EXPECT_TRUE(ReadFntFile(f.session, f.dir.Write("big.fnt", file), kModeLoad).accepted);
    EXPECT_EQ(f.Log(),
              WithClosing({"Character 0 width is 255 > 16", "Character 1 width is 255 > 16",
                           "Character 2 width is 255 > 16", "Character 3 width is 255 > 16",
                           "Character 4 width is 255 > 16"}));
    EXPECT_EQ(f.session.font.Chars[4].Pixels, Bytes(8160, 5));
}

TEST(FntReader, GlyphRepairsAreLoggedInCodeOrderAndMarked) {
    SessionFixture f;
    FntBuilder b(2);
    b.Set(10, 8, 0x22).Set(20, 8, 0x33).Set(30, 4, 0x44).Set(40, 16, 0x55);
    Bytes file = b.Build();
    const int blockSize = static_cast<int>(file.size()) - 796;
    SetPointer(file, 10, blockSize);            // outside the block
    SetWidth(file, 15, 7);                      // absent but with a width
    SetWidth(file, 20, 0);                      // present with width 0
    SetPointer(file, 40, blockSize - 2);        // 4 bytes wanted, 2 there
    SetPointer(file, 30, PointerOf(file, 20));  // shares glyph 20's bytes
    f.LoadBytes(file);
    const std::string last = std::to_string(blockSize - 1);
    EXPECT_EQ(f.Log(), WithClosing({
                           "Character 10 trying read data outside data block",
                           "(block size: " + last +
                               ", trying read at: " + std::to_string(blockSize) + ") set to null!",
                           "Character 10 data not set, but width is: 8, reset to 0!",
                           "Character 15 data not set, but width is: 7, reset to 0!",
                           "Character 20 width is set to 0",
                           "Character 40 trying read too much data",
                           "(block size: " + last +
                               ", trying read: 4 Bytes from: " + std::to_string(blockSize - 2) +
                               " to: " + std::to_string(blockSize + 1) + ")",
                           "Missing data size:2 Bytes, adding blank",
                       }));
    const Font& font = f.session.font;
    EXPECT_FALSE(font.Chars[10].Present);
    EXPECT_EQ(font.Chars[10].HasError, 1);
    EXPECT_EQ(font.Chars[15].Width, 0);
    EXPECT_EQ(font.Chars[15].HasError, 0);
    EXPECT_TRUE(font.Chars[20].Present);
    EXPECT_EQ(font.Chars[20].Pixels, (Bytes{0x33, 0x33}));
    EXPECT_EQ(font.Chars[20].HasError, 1);
    EXPECT_EQ(font.Chars[30].Pixels, (Bytes{0x33, 0x33}));  // read from the shared pointer
    EXPECT_EQ(font.Chars[30].Width, 4);
    EXPECT_EQ(font.Chars[40].Pixels, (Bytes{0x55, 0x55, 0, 0}));
    EXPECT_EQ(font.Chars[40].HasError, 1);
}

TEST(FntReader, SelectionTableBesideTheFontIsRead) {
    SessionFixture f;
    Bytes table(256, 0);
    table[65] = 1;
    table[66] = 7;
    f.dir.Write("A.lok", table);
    f.LoadBytes(FntBuilder(4).Build(), "A.FNT");
    EXPECT_EQ(f.Log(), kClosing);
    EXPECT_EQ(f.session.font.Selected[65], 1);
    EXPECT_EQ(f.session.font.Selected[66], 1);
    EXPECT_EQ(f.session.font.Selected[67], 0);
    EXPECT_EQ(f.session.font.EditStatus, 0);

    f.dir.Write("A.lok", Bytes(100, 1));
    const std::size_t start = f.session.LogLines().size();
    f.LoadBytes(FntBuilder(4).Build(), "A.FNT");
    EXPECT_EQ(f.LogSince(start)[0], "Selection table (lok) is smaller than 256 Bytes");
    EXPECT_EQ(f.session.font.Selected[99], 1);
    EXPECT_EQ(f.session.font.Selected[100], 0);

    f.dir.Write("A.lok", Bytes(300, 1));
    f.LoadBytes(FntBuilder(4).Build(), "A.FNT");
    EXPECT_EQ(f.session.font.Selected[255], 1);
    EXPECT_EQ(f.session.LogLines().back(), kIdleHint);

    f.dir.Write("B.LOK", Bytes(256, 1));  // the table's own name is always lower-case "lok"
    f.LoadBytes(FntBuilder(4).Build(), "B.fnt");
    EXPECT_EQ(f.session.font.Selected[0], 0);
}

TEST(FntReader, UseSourcePathMakesTheLoadedFileTheDestination) {
    SessionFixture f;
    const std::string path = f.LoadBytes(FntBuilder(4).Build());
    EXPECT_EQ(f.session.FilePaths[kModeSave], path);

    SessionFixture g;
    g.session.options[Toggle::UseSrcPath] = false;
    g.LoadBytes(FntBuilder(4).Build());
    EXPECT_EQ(g.session.FilePaths[kModeSave], "");
    EXPECT_EQ(g.Log(), (Lines{"FNT Loaded", kIdleHint}));
}

}  // namespace
}  // namespace gft::test
