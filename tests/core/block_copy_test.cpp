// Copying capitals over small letters and deleting the selected glyphs.
#include <gtest/gtest.h>

#include "commands/block_copy.h"
#include "commands/move_copy.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

std::string Line(int code, const char* text) {
    return "Character " + std::to_string(code) + text;
}

TEST(BlockCopy, LowerCaseLinesNameTheRightCodeForEachOutcome) {
    SessionFixture f;
    FntBuilder b(4);
    for (int c = 67; c <= 90; ++c)
        b.Set(c, 5, 0x10);
    b.Set(97, 3, 0x40);  // 'A' absent, 'a' present: 'a' must survive
    b.Set(99, 5, 0x10);  // 'c' already equals 'C'
    // 'B' and 'b' both absent.
    f.LoadBytes(b.Build());
    const CharInfo smallA = f.session.font.Chars[97];
    Char_Click(f.session, 70, 0);  // a pending pick-up is dropped first

    std::size_t start = f.session.LogLines().size();
    mnuCopyBlock_Click(f.session, 0);
    Lines expected{kIdleHint, Line(65, " is empty - skipped"),
                   Line(66, " is empty same as destination - skipped"),
                   Line(67, " is same as destination - skipped")};
    for (int d = 100; d <= 122; ++d)
        expected.push_back(Line(d, " replaced"));
    expected.push_back("All diferent characters are copied");
    EXPECT_EQ(f.LogSince(start), expected);
    EXPECT_FALSE(f.session.MovePending);
    EXPECT_EQ(f.session.font.Chars[97], smallA);
    EXPECT_EQ(f.session.font.Chars[122], f.session.font.Chars[90]);
    EXPECT_EQ(f.session.font.EditStatus, 2);
    EXPECT_EQ(f.view.tileLoads.back(), std::make_pair(97, 122));

    // Again: only the empty 'A' still differs, so nothing is copied.
    start = f.session.LogLines().size();
    mnuCopyBlock_Click(f.session, 0);
    EXPECT_EQ(f.LogSince(start).back(), "Nothing copied - empty or same source");
    EXPECT_EQ(f.session.font.Chars[97], smallA);
}

TEST(BlockCopy, InternationalBlockNeverWrites247Or255) {
    SessionFixture f;
    FntBuilder b(4);
    b.Set(215, 4).Set(223, 4);
    f.LoadBytes(b.Build());
    std::size_t start = f.session.LogLines().size();
    mnuCopyBlock_Click(f.session, 1);
    const Lines lines = f.LogSince(start);
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()),
              (Lines{"Two characters skipped intentionally",
                     "All characters to copy are actually the same"}));
    EXPECT_FALSE(f.session.font.Chars[247].Present);
    EXPECT_EQ(f.session.font.EditStatus, 0);
}

TEST(DeleteSelected, EmptiesUnselectsAndLowersMaxWidth) {
    SessionFixture f;
    FntBuilder b(3);
    b.Set(65, 20).Set(66, 7);
    f.LoadBytes(b.Build());
    mnuDelAllSelected_Click(f.session);  // nothing selected
    EXPECT_EQ(f.session.font.EditStatus, 0);

    f.session.font.Chars[30].HasError = 1;  // an error flag, no data
    for (int c : {30, 31, 65})
        f.session.font.Selected[c] = 1;
    const std::size_t start = f.session.LogLines().size();
    mnuDelAllSelected_Click(f.session);
    EXPECT_EQ(f.LogSince(start), Lines{});
    EXPECT_EQ(f.session.font.Chars[65], (CharInfo{false, Bytes(3, 0), 0, 0}));
    EXPECT_EQ(f.session.font.Chars[30].HasError, 0);
    for (int c : {30, 31, 65})
        EXPECT_EQ(f.session.font.Selected[c], 0);
    EXPECT_EQ(f.session.font.MaxWidth, 7);
    EXPECT_EQ(f.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:3 Max WIDTH:7) (*)");
}

}  // namespace
}  // namespace gft::test
