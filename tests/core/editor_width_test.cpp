// Width changes across byte boundaries, the column moves at their limits with
// their log lines, and Fix Width.
#include <gtest/gtest.h>

#include "editor/column_moves.h"
#include "editor/width_commands.h"
#include "editor_fixture.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

TEST(EditorWidth, CrossingAByteBoundaryAddsOrDropsEachRowsLastByte) {
    EditorFixture f;
    // 8 -> 9: every row gains a zero byte; 9 -> 8 drops it with its bits.
    f.Open(2, 65, MakeGlyph(8, {0xAB, 0xCD}));
    cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.Edit(), MakeGlyph(9, {0xAB, 0x00, 0xCD, 0x00}));
    f.Edit().Pixels = {0xAB, 0xFF, 0xCD, 0x80};
    cmdWidth_Click(f.session, 0);
    EXPECT_EQ(f.Edit(), MakeGlyph(8, {0xAB, 0xCD}));

    f.Open(2, 65, MakeGlyph(16, {1, 2, 3, 4}));
    cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.Edit(), MakeGlyph(17, {1, 2, 0, 3, 4, 0}));
    cmdWidth_Click(f.session, 0);
    EXPECT_EQ(f.Edit(), MakeGlyph(16, {1, 2, 3, 4}));

    // Inside a byte the bits stay: widening shows the hidden bit.
    f.Open(2, 65, MakeGlyph(5, {0xFC, 0x04}));
    cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.Edit(), MakeGlyph(6, {0xFC, 0x04}));

    // 1 -> 0 keeps one byte per row; 0 does nothing; an empty glyph becomes present.
    f.Open(2, 65, MakeGlyph(1, {0x80, 0x7F}));
    cmdWidth_Click(f.session, 0);
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0x80, 0x7F}));
    const int redraws = f.view.gridRedraws;
    cmdWidth_Click(f.session, 0);
    EXPECT_EQ(f.view.gridRedraws, redraws);
    f.Open(2, 65, MakeGlyph(0, {0x80, 0x00}, false));
    cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.Edit(), MakeGlyph(1, {0x80, 0x00}));
    EXPECT_EQ(f.view.caption, "Chr Editor \"A\" $41 #65 W:1");

    // 255 is the limit.
    f.Open(1, 65, RandomGlyph(255, 1, 7));
    const CharInfo wide = f.Edit();
    cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.Edit(), wide);
}

TEST(EditorWidth, MoveLeftAndRightSayWhyTheyStop) {
    EditorFixture f;
    f.Open(2, 65, MakeGlyph(5, {0x80, 0x10}));
    std::size_t start = f.session.LogLines().size();
    cmdMoveV_Click(f.session, 0);
    EXPECT_EQ(f.LogSince(start), Lines{"1st column is not empty - cannot move left any further"});
    EXPECT_EQ(f.Edit(), MakeGlyph(5, {0x80, 0x10}));

    // Width 0: warns, shifts the hidden bits, stays at 0; both lines when column 0 has ink.
    f.Open(2, 65, MakeGlyph(0, {0x41, 0x02}));
    start = f.session.LogLines().size();
    cmdMoveV_Click(f.session, 0);
    EXPECT_EQ(f.LogSince(start), Lines{"Warning: Width is null - cannot decrease"});
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0x82, 0x04}));
    start = f.session.LogLines().size();
    cmdMoveV_Click(f.session, 0);
    EXPECT_EQ(f.LogSince(start), (Lines{"Warning: Width is null - cannot decrease",
                                        "1st column is not empty - cannot move left any further"}));
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0x82, 0x04}));

    // Move left over a byte boundary: 9 -> 8.
    f.Open(1, 65, MakeGlyph(9, {0x7F, 0xC0}));
    cmdMoveV_Click(f.session, 0);
    EXPECT_EQ(f.Edit(), MakeGlyph(8, {0xFF}));

    // Widened from 254 to 255: no warning.
    Bytes row(32, 0);
    row[31] = 0x02;  // column 254
    f.Open(1, 65, MakeGlyph(254, row));
    start = f.session.LogLines().size();
    cmdMoveV_Click(f.session, 1);
    EXPECT_EQ(f.LogSince(start), Lines{});
    EXPECT_EQ(f.Edit().Width, 255);
    EXPECT_EQ(f.Edit().Pixels[31], 0x01);

    // At 255 with column 254 clear: warns and shifts; set: refuses.
    row[31] = 0x04;
    f.Open(1, 65, MakeGlyph(255, row));
    start = f.session.LogLines().size();
    cmdMoveV_Click(f.session, 1);
    EXPECT_EQ(f.LogSince(start), Lines{"Warning: Width is 255 - cannot expand"});
    EXPECT_EQ(f.Edit().Pixels[31], 0x02);
    EXPECT_EQ(f.Edit().Width, 255);
    start = f.session.LogLines().size();
    cmdMoveV_Click(f.session, 1);
    EXPECT_EQ(f.LogSince(start),
              (Lines{"Warning: Width is 255 - cannot expand",
                     "last valid column is not empty - cannot move right any further"}));
    EXPECT_EQ(f.Edit().Pixels[31], 0x02);
    EXPECT_EQ(f.session.font.Chars[65].Pixels[31], 0x04) << "the font waits for Apply";
}

TEST(EditorWidth, FixWidthFitsTheInkAndKeepsEveryPixel) {
    EditorFixture f;
    // Ink in a beyond-width column widens the glyph to show it.
    f.Open(2, 65, MakeGlyph(3, {0x84, 0x40}));
    cmdFixWidth_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(6, {0x84, 0x40}));
    // Blank trailing bytes go: width 20 with ink up to column 9.
    f.Open(2, 65, MakeGlyph(20, {0x80, 0x40, 0x00, 0x01, 0x00, 0x00}));
    cmdFixWidth_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(10, {0x80, 0x40, 0x01, 0x00}));
    // A blank glyph gets width 0 and becomes present; an empty one without ink stays as it is.
    f.Open(2, 65, MakeGlyph(9, {0, 0, 0, 0}));
    cmdFixWidth_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0, 0}));
    f.Open(2, 65, MakeGlyph(0, {0, 0}, false));
    const int redraws = f.view.gridRedraws;
    cmdFixWidth_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0, 0}, false));
    EXPECT_EQ(f.view.gridRedraws, redraws);
    // Ink in column 255 of a 255 wide glyph cannot be shown: the width stays 255.
    Bytes row(32, 0);
    row[31] = 0x01;
    f.Open(1, 65, MakeGlyph(255, row));
    cmdFixWidth_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(255, row));
}

}  // namespace
}  // namespace gft::test
