// Merging another font into the loaded one and comparing against another font.
#include <gtest/gtest.h>

#include "app/file_commands.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

// The loaded font: 65, 66, 72 and a present glyph of width 0 at 70.
Bytes LoadedFont() {
    FntBuilder b(4);
    b.attr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    b.Set(65, 8, 0x11).Set(66, 5, 0xF8).Set(70, 0, 0x00).Set(72, 8, 0x22);
    return b.Build();
}

// The other font: 65 drawn otherwise, 66 differing only beyond its width, 72
// equal, 67..69 new, 71 pointing past the end of the data block.
Bytes OtherFont(std::uint8_t height = 4) {
    FntBuilder b(height);
    b.Set(65, 8, 0x99).Set(66, 5, 0xF9).Set(67, 8, 0x33).Set(68, 3, 0x44).Set(69, 20, 0x55);
    b.Set(72, 8, 0x22);
    Bytes file = b.Build();
    SetWidth(file, 71, 8);
    SetPointer(file, 71, static_cast<int>(file.size()) - 796);
    return file;
}

struct MergeCompare : SessionFixture {
    std::string loadedPath;
    std::string otherPath;
    MergeCompare() {
        otherPath = dir.Write("other.fnt", OtherFont());
        loadedPath = LoadBytes(LoadedFont(), "loaded.fnt");
    }
    Lines Run(void (*command)(Session&), const std::string& path) {
        const std::size_t start = session.LogLines().size();
        view.answers.push_back(path);
        command(session);
        return LogSince(start);
    }
};

TEST(Merge, ImportsOnlyAbsentCodesInCodeOrder) {
    MergeCompare f;
    f.session.font.Selected[3] = 1;
    f.session.font.Different[4] = 1;
    const Font before = f.session.font;
    const std::string blockSize = std::to_string(GetFileLength(f.otherPath) - 796);
    const std::string lastByte = std::to_string(GetFileLength(f.otherPath) - 797);
    EXPECT_EQ(
        f.Run(cmdMergeFNT_Click, f.otherPath),
        (Lines{"Character 67 imported (4 Bytes)", "Character 68 imported (4 Bytes)",
               "Character 69 imported (12 Bytes)",
               "Character 71 trying read data outside data block",
               "(block size: " + lastByte + ", trying read at: " + blockSize + ") set to null!",
               "Character 69 width is 20 > 16", "FNT Merged, 3 characters imported"}));
    const Font& font = f.session.font;
    EXPECT_EQ(font.Chars[65], before.Chars[65]);  // present glyphs are never replaced
    EXPECT_EQ(font.Chars[66], before.Chars[66]);
    EXPECT_EQ(font.Chars[70], before.Chars[70]);
    EXPECT_EQ(font.Chars[67].Pixels, Bytes(4, 0x33));
    EXPECT_EQ(font.Chars[68].Width, 3);
    EXPECT_EQ(font.Chars[71], before.Chars[71]);
    EXPECT_EQ(font.Selected, before.Selected);
    EXPECT_EQ(font.Different, before.Different);
    EXPECT_EQ(font.EditStatus, 2);
    EXPECT_EQ(f.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:4 Max WIDTH:20) (*)");
}

TEST(Merge, FontIntoItselfImportsNothingAndAnotherHeightNothingAtAll) {
    MergeCompare f;
    const Font before = f.session.font;
    EXPECT_EQ(f.Run(cmdMergeFNT_Click, f.loadedPath), Lines{"FNT Merged, 0 characters imported"});
    EXPECT_EQ(f.session.font, before);
    EXPECT_EQ(f.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:4 Max WIDTH:8)");

    f.session.font.Different[65] = 1;
    const Font marked = f.session.font;
    const std::string taller = f.dir.Write("taller.fnt", OtherFont(5));
    const Lines refused{"Selected font height = 5 <> 4 currently loaded!"};
    EXPECT_EQ(f.Run(cmdMergeFNT_Click, taller), refused);
    EXPECT_EQ(f.Run(cmdCmpFNT_Click, taller), refused);
    EXPECT_EQ(f.session.font, marked);
}

TEST(Compare, ReportsDifferencesAndSelectsThemWithoutTouchingGlyphs) {
    MergeCompare f;
    f.session.font.Selected[72] = 1;  // equal in both: unselected by the compare
    const auto glyphs = f.session.font.Chars;
    const std::size_t tileLoads = f.view.tileLoads.size();
    EXPECT_EQ(f.Run(cmdCmpFNT_Click, f.otherPath),
              (Lines{"Character 65 is different", "Character 66 is different",
                     "Character 67 is different", "Character 68 is different",
                     "Character 69 is different", "Character 70 is different",
                     "FNT Compared, 6 different characters found",
                     "Attribute section is different (not supported to see / set)"}));
    const Font& font = f.session.font;
    EXPECT_EQ(font.Chars, glyphs);
    for (int code = 0; code < 256; ++code) {
        const bool differs = code >= 65 && code <= 70;
        EXPECT_EQ(font.Different[code], differs ? 1 : 0) << code;
        EXPECT_EQ(font.Selected[code], font.Different[code]) << code;
    }
    EXPECT_EQ(font.EditStatus, 1);
    EXPECT_TRUE(f.session.Title().ends_with(" (=)"));
    ASSERT_GT(f.view.tileLoads.size(), tileLoads);
    EXPECT_EQ(f.view.tileLoads.back(), std::make_pair(0, 255));
}

TEST(Compare, WithoutSelectDifferentOnlyDifferentChanges) {
    MergeCompare f;
    f.session.options[Toggle::MarkDiff] = false;
    f.session.font.Selected[72] = 1;
    const auto selected = f.session.font.Selected;
    const std::size_t tileLoads = f.view.tileLoads.size();
    f.Run(cmdCmpFNT_Click, f.otherPath);
    EXPECT_EQ(f.session.font.Different[65], 1);
    EXPECT_EQ(f.session.font.Selected, selected);
    EXPECT_EQ(f.session.font.EditStatus, 0);
    EXPECT_EQ(f.view.tileLoads.size(), tileLoads);
}

TEST(Compare, UneditedFontAgainstItsOwnFile) {
    MergeCompare f;
    const Lines same{"Trying to compare unedited FNT to it source file",
                     "FNT Compared, 0 different characters found", "Attribute section is the same"};
    EXPECT_EQ(f.Run(cmdCmpFNT_Click, f.loadedPath), same);
    EXPECT_EQ(f.session.font.EditStatus, 0);  // nothing was selected: no " (=)"
    EXPECT_FALSE(f.session.Title().ends_with(" (=)"));

    f.session.font.Selected[5] = 1;
    EXPECT_EQ(f.Run(cmdCmpFNT_Click, f.loadedPath), same);
    EXPECT_EQ(f.session.font.Selected[5], 0);
    EXPECT_TRUE(f.session.Title().ends_with(" (=)"));  // the selection changed

    f.session.SetEditStatus(2);  // edited: the warning is not given
    EXPECT_EQ(f.Run(cmdCmpFNT_Click, f.loadedPath), Lines(same.begin() + 1, same.end()));
}

}  // namespace
}  // namespace gft::test
