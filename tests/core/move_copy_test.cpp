// Picking a glyph up with a left click and dropping it on another tile.
#include <gtest/gtest.h>

#include "commands/move_copy.h"
#include "commands/tile_mouse.h"
#include "test_support.h"

namespace gft::test {
namespace {

struct Grid : SessionFixture {
    CharInfo a, b;
    Grid() {
        FntBuilder builder(2);
        builder.Set(65, 6, 0x11).Set(66, 4, 0x22);
        LoadBytes(builder.Build());
        a = session.font.Chars[65];
        b = session.font.Chars[66];
    }
    void Drag(int from, int to, int shift) {
        imgChar_MouseDown(session, from, kLeftButton, 0);
        imgChar_MouseDown(session, to, kLeftButton, shift);
    }
};

TEST(MoveCopy, PlainDropSwapsAndEveryModifierCopies) {
    Grid g;
    g.session.font.Selected[65] = 1;
    g.Drag(65, 66, 0);
    const Font& font = g.session.font;
    EXPECT_EQ(font.Chars[65], g.b);
    EXPECT_EQ(font.Chars[66], g.a);
    EXPECT_EQ(font.Selected[65], 1);  // the selection stays with the code
    EXPECT_EQ(font.Selected[66], 0);
    EXPECT_EQ(g.session.HoverChar, 66);
    EXPECT_EQ(g.session.StatusLine(), kIdleHint);

    for (const int modifier : {kShiftKey, kCtrlKey, kAltKey}) {
        Grid c;
        c.Drag(65, 66, modifier);
        EXPECT_EQ(c.session.font.Chars[65], c.a) << modifier;
        EXPECT_EQ(c.session.font.Chars[66], c.a) << modifier;
    }
}

TEST(MoveCopy, DropOnItselfStillEndsThePickUpAsAnEdit) {
    Grid g;
    g.Drag(65, 65, 0);
    EXPECT_EQ(g.session.font.Chars[65], g.a);
    EXPECT_FALSE(g.session.MovePending);
    EXPECT_EQ(g.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:2 Max WIDTH:6) (*)");
}

TEST(MoveCopy, PickUpLabelAndStatus) {
    Grid g;
    g.session.font.Selected[200] = 1;
    g.session.font.Different[200] = 1;
    EXPECT_EQ(PickUpLabel(g.session, 200), "#200 ($C8) E S D");
    EXPECT_EQ(PickUpLabel(g.session, 65), "#65 ($41)");
    imgChar_MouseDown(g.session, 200, kLeftButton, 0);
    EXPECT_TRUE(g.session.MovePending);
    EXPECT_EQ(g.session.MoveSource, 200);
    EXPECT_EQ(g.session.StatusLine(), "Move Char / Copy (with Shift) to...");
    imgChar_MouseDown(g.session, 66, kRightButton, 0);  // a toggle keeps the pick-up
    EXPECT_TRUE(g.session.MovePending);
}

TEST(MoveCopy, ClicksDoNothingWithoutAFont) {
    SessionFixture f;
    for (const int button : {kLeftButton, kRightButton, kMiddleButton})
        imgChar_MouseDown(f.session, 65, button, 0);
    Char_Click(f.session, 65, 0);
    EXPECT_FALSE(f.session.MovePending);
    EXPECT_EQ(f.session.font.Selected[65], 0);
    EXPECT_EQ(f.view.editorShown, 0);
    EXPECT_TRUE(f.session.LogLines().empty());
}

}  // namespace
}  // namespace gft::test
