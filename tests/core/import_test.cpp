// Importing 8 x 8 fonts over the loaded font: the Atari order, packed 4-pixel
// fonts, the detection of 4-pixel fonts and the selection table beside them.
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

Bytes EightBitFile(std::size_t size, const std::set<int>& blank = {}, std::uint8_t mask = 0xFF) {
    Bytes file(size);
    for (std::size_t i = 0; i < size; ++i) {
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
    void ExpectAbsent(int code) const {
        EXPECT_FALSE(Char(code).Present) << code;
        EXPECT_EQ(Char(code).Width, 0) << code;
        EXPECT_EQ(Char(code).Pixels, Bytes(8, 0)) << code;
    }
};

TEST(EightBitImport, AtariFontIsRemappedAndLosesItsUpperHalf) {
    Import f;
    EXPECT_EQ(f.Run(EightBitFile(1024, {0, 5}), true), Lines{kImported});
    const Font& font = f.session.font;
    EXPECT_EQ(font.FontHeight, 8);
    EXPECT_EQ(font.MaxWidth, 8);
    EXPECT_EQ(font.EditStatus, 2);
    EXPECT_EQ(f.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:8 Max WIDTH:8) (*)");
    EXPECT_EQ(font.AttrSection[11], 12);
    EXPECT_TRUE(f.Char(32).Present);  // the blank Atari space stays present
    EXPECT_EQ(f.Char(32).Pixels, Bytes(8, 0));
    EXPECT_EQ(f.Char(65).Pixels, Glyph(33));
    EXPECT_EQ(f.Char(0).Pixels, Glyph(64));
    EXPECT_EQ(f.Char(31).Pixels, Glyph(95));
    EXPECT_EQ(f.Char(97).Pixels, Glyph(97));
    f.ExpectAbsent(37);  // blank source character 5
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(f.Char(code).HasError, 0);
        if (code >= 128) f.ExpectAbsent(code);
        if (f.Char(code).Present) {
            EXPECT_EQ(f.Char(code).Width, 8);
        }
    }
}

TEST(EightBitImport, AnyEightBitFontKeepsFileOrder) {
    Import f;
    EXPECT_EQ(f.Run(EightBitFile(1024, {0, 5, 32}), false), Lines{kImported});
    f.ExpectAbsent(0);
    f.ExpectAbsent(5);
    EXPECT_TRUE(f.Char(32).Present);
    EXPECT_EQ(f.Char(65).Pixels, Glyph(65));
    EXPECT_EQ(f.Char(127).Pixels, Glyph(127));
    for (int code = 128; code < 256; ++code)
        f.ExpectAbsent(code);  // the zeros past the end of the file

    EXPECT_EQ(f.Run(EightBitFile(2048, {32, 200}), false).front(),
              "Proper size is 1024 or 512 Bytes, here is 2048");
    int present = 0;
    for (const auto& glyph : f.session.font.Chars)
        present += glyph.Present;
    EXPECT_EQ(present, 255);
    f.ExpectAbsent(200);
    EXPECT_EQ(f.Char(255).Pixels, Glyph(255));
}

TEST(EightBitImport, PackedAtariF80SplitsEveryByteIntoTwoCharacters) {
    Import f;
    EXPECT_EQ(f.Run(EightBitFile(512), true, "packed.f80"), Lines{kImported});
    // Source block m holds characters 2m (left half) and 2m + 1 (right half).
    const auto left = [](int m) { return Glyph(m, 0xF0); };
    const auto right = [](int m) {
        Bytes rows = Glyph(m, 0x0F);
        for (auto& row : rows)
            row = static_cast<std::uint8_t>(row * 16);
        return rows;
    };
    EXPECT_EQ(f.Char(32).Pixels, left(0));     // character 0
    EXPECT_EQ(f.Char(33).Pixels, right(0));    // character 1
    EXPECT_EQ(f.Char(2).Pixels, left(33));     // character 66
    EXPECT_EQ(f.Char(127).Pixels, right(63));  // character 127
    EXPECT_EQ(f.Char(33).Width, 4);
    EXPECT_EQ(f.session.font.MaxWidth, 4);
    f.ExpectAbsent(128);
}

TEST(EightBitImport, FourPixelFontsAreDetectedByTheFreeHalf) {
    Import f;
    EXPECT_EQ(f.Run(EightBitFile(1024, {}, 0x0F), false),
              (Lines{"Detected F80! False <-> True", kImported}));
    Bytes moved = Glyph(1, 0x0F);
    for (auto& row : moved)
        row = static_cast<std::uint8_t>(row * 16);
    EXPECT_EQ(f.Char(1).Pixels, moved);
    EXPECT_EQ(f.Char(1).Width, 4);
    EXPECT_EQ(f.session.font.MaxWidth, 4);

    EXPECT_EQ(f.Run(EightBitFile(1024, {}, 0xF0), true),
              (Lines{"Detected F80! True <-> False", kImported}));
    EXPECT_EQ(f.Char(65).Pixels, Glyph(33, 0xF0));
    EXPECT_EQ(f.Char(65).Width, 4);
}

TEST(EightBitImport, OddSizesWarnAndImportWhatIsThere) {
    Import f;
    EXPECT_EQ(f.Run(EightBitFile(1030), false),
              (Lines{"Proper size is 1024 or 512 Bytes, here is 1030",
                     "If this is not 8-bit font you can see \"random\" data instead", kImported}));
    Bytes partial = Glyph(128);
    partial[6] = partial[7] = 0;
    EXPECT_EQ(f.Char(128).Pixels, partial);
    f.ExpectAbsent(129);

    const Font before = f.session.font;
    EXPECT_EQ(f.Run(Bytes{}, true), Lines{"File is empty, nothing to import"});
    const std::size_t start = f.session.LogLines().size();
    ImportEightBitFont(f.session, f.dir.File("missing.fnt"), false);
    EXPECT_EQ(f.LogSince(start), Lines{"File not found!"});
    EXPECT_EQ(f.session.font, before);
}

TEST(EightBitImport, SelectionTableFollowsTheAtariOrder) {
    Import f;
    f.session.font.Different[9] = 1;
    Bytes table(256, 0);
    for (int k : {33, 70, 1, 100})
        table[k] = 1;
    f.dir.Write("atari.lok", table);
    f.Run(EightBitFile(1024), true, "atari.fnt");
    std::set<int> selected;
    for (int code = 0; code < 256; ++code)
        if (f.session.font.Selected[code]) selected.insert(code);
    EXPECT_EQ(selected, (std::set<int>{65, 6, 33, 100}));
    EXPECT_EQ(f.session.font.Different, decltype(f.session.font.Different){});
}

}  // namespace
}  // namespace gft::test
