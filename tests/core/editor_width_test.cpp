// What the bit model of editor_bits_test does not say: the log lines of the
// column moves at their limits, and the width commands on empty glyphs.
#include <gtest/gtest.h>

#include "editor/column_moves.h"
#include "editor/width_commands.h"
#include "editor_fixture.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

TEST(EditorWidth, EmptyGlyphsAndWidthZero) {
    EditorFixture f;
    // 0 does nothing, not even a redraw.
    f.Open(2, 65, MakeGlyph(0, {0x80, 0x7F}));
    const int redraws = f.view.gridRedraws;
    cmdWidth_Click(f.session, 0);
    EXPECT_EQ(f.view.gridRedraws, redraws);
    // Widening an empty glyph makes it present.
    f.Open(2, 65, MakeGlyph(0, {0x80, 0x00}, false));
    cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.Edit(), MakeGlyph(1, {0x80, 0x00}));
    EXPECT_EQ(f.view.caption, "Chr Editor \"A\" $41 #65 W:1");

    // Fix Width: a blank glyph gets width 0 and becomes present; an empty one
    // without ink stays as it is.
    f.Open(2, 65, MakeGlyph(9, {0, 0, 0, 0}));
    cmdFixWidth_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0, 0}));
    f.Open(2, 65, MakeGlyph(0, {0, 0}, false));
    const int before = f.view.gridRedraws;
    cmdFixWidth_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0, 0}, false));
    EXPECT_EQ(f.view.gridRedraws, before);
}

TEST(EditorWidth, MoveLeftAndRightSayWhyTheyStop) {
    EditorFixture f;
    const auto logOf = [&f](int direction) {
        const std::size_t start = f.session.LogLines().size();
        cmdMoveV_Click(f.session, direction);
        return f.LogSince(start);
    };
    f.Open(2, 65, MakeGlyph(5, {0x80, 0x10}));
    EXPECT_EQ(logOf(0), Lines{"1st column is not empty - cannot move left any further"});

    // Width 0: warns and shifts the hidden bits; both lines when column 0 has ink.
    f.Open(2, 65, MakeGlyph(0, {0x41, 0x02}));
    EXPECT_EQ(logOf(0), Lines{"Warning: Width is null - cannot decrease"});
    EXPECT_EQ(logOf(0), (Lines{"Warning: Width is null - cannot decrease",
                               "1st column is not empty - cannot move left any further"}));

    // Widened from 254 to 255: no warning.
    Bytes row(32, 0);
    row[31] = 0x02;  // column 254
    f.Open(1, 65, MakeGlyph(254, row));
    EXPECT_EQ(logOf(1), Lines{});

    // At 255 with column 254 clear: warns and shifts; set: refuses.
    row[31] = 0x04;
    f.Open(1, 65, MakeGlyph(255, row));
    EXPECT_EQ(logOf(1), Lines{"Warning: Width is 255 - cannot expand"});
    EXPECT_EQ(logOf(1), (Lines{"Warning: Width is 255 - cannot expand",
                               "last valid column is not empty - cannot move right any further"}));
    EXPECT_EQ(f.Edit().Pixels[31], 0x02);
}

}  // namespace
}  // namespace gft::test
