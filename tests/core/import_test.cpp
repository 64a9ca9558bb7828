// Importing 8 x 8 fonts over the loaded font: where the Atari order puts each
// source character, what a blank one becomes, the detection of 4-pixel fonts
// and the selection table beside the file. Packed F80 files, file order, odd
// sizes and missing or empty files are the golden case import.
#include <gtest/gtest.h>

#include <set>

#include "font/eight_bit_import.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;
const std::string kImported = "FNT Imported (over current)";

// Row r of source character k: never blank, ink in both halves of the byte.
std::uint8_t Row(int k, int r) {
    return static_cast<std::uint8_t>((k * 37 + r * 11) | 0x18);
}

Bytes Glyph(int k, std::uint8_t mask = 0xFF) {
    Bytes rows;
    for (int r = 0; r < 8; ++r)
        rows.push_back(Row(k, r) & mask);
    return rows;
}

Bytes EightBitFile(const std::set<int>& blank = {}, std::uint8_t mask = 0xFF) {
    Bytes file(1024);
    for (std::size_t i = 0; i < file.size(); ++i) {
        const int k = static_cast<int>(i / 8);
        file[i] = blank.contains(k) ? 0 : Row(k, static_cast<int>(i % 8)) & mask;
    }
    return file;
}

// A session with a loaded font of height 12 that the import replaces.
struct Import : SessionFixture {
    Import() {
        FntBuilder b(12);
        b.attr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        b.Set(200, 20);
        LoadBytes(b.Build());
    }
    Lines Run(const Bytes& file, bool remap, const std::string& name = "eight.fnt") {
        const std::size_t start = session.LogLines().size();
        ImportEightBitFont(session, dir.Write(name, file), remap);
        return LogSince(start);
    }
    const CharInfo& Char(int code) const { return session.font.Chars[code]; }
};

TEST(EightBitImport, AtariOrderPutsEachSourceCharacterAtItsCode) {
    Import f;
    EXPECT_EQ(f.Run(EightBitFile({0, 5}), true), Lines{kImported});
    const std::pair<int, int> sourceToCode[] = {{1, 33},  {33, 65}, {63, 95}, {64, 0},
                                                {95, 31}, {96, 96}, {97, 97}, {127, 127}};
    for (const auto& [source, code] : sourceToCode) {
        EXPECT_EQ(f.Char(code), (CharInfo{true, Glyph(source), 8, 0})) << source;
    }
    EXPECT_EQ(f.Char(32), (CharInfo{true, Bytes(8, 0), 8, 0}));   // the blank space stays
    EXPECT_EQ(f.Char(37), (CharInfo{false, Bytes(8, 0), 0, 0}));  // a blank character goes
    int present = 0;
    for (const CharInfo& glyph : f.session.font.Chars)
        present += glyph.Present;
    EXPECT_EQ(present, 127);  // nothing above 127
    EXPECT_EQ(f.session.font.FontHeight, 8);
    EXPECT_EQ(f.session.font.AttrSection[11], 12);
}

TEST(EightBitImport, FourPixelFontsAreDetectedByTheFreeHalf) {
    Import f;
    EXPECT_EQ(f.Run(EightBitFile({}, 0xF0), true),
              (Lines{"Detected F80! True <-> False", kImported}));
    EXPECT_EQ(f.Char(65), (CharInfo{true, Glyph(33, 0xF0), 4, 0}));
    EXPECT_EQ(f.session.font.MaxWidth, 4);

    EXPECT_EQ(f.Run(EightBitFile({}, 0x0F), false),
              (Lines{"Detected F80! False <-> True", kImported}));
    Bytes moved = Glyph(1, 0x0F);  // the right half's ink moves left
    for (auto& row : moved)
        row = static_cast<std::uint8_t>(row * 16);
    EXPECT_EQ(f.Char(1).Pixels, moved);
}

TEST(EightBitImport, SelectionTableFollowsTheAtariOrder) {
    Import f;
    f.session.font.Different[9] = 1;
    Bytes table(256, 0);
    for (int k : {33, 70, 1, 100})
        table[k] = 1;
    f.dir.Write("atari.lok", table);
    f.Run(EightBitFile(), true, "atari.fnt");
    std::set<int> selected;
    for (int code = 0; code < 256; ++code)
        if (f.session.font.Selected[code]) selected.insert(code);
    EXPECT_EQ(selected, (std::set<int>{65, 6, 33, 100}));
    EXPECT_EQ(f.session.font.Different, decltype(f.session.font.Different){});
}

}  // namespace
}  // namespace gft::test
