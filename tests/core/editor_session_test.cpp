// The editor's working copy against the font: Apply, Restore, Delete,
// Previous/Next, Esc, "[Auto apply]", and a glyph left from an earlier font.
#include <gtest/gtest.h>

#include "app/option_commands.h"
#include "editor/apply.h"
#include "editor/fill_commands.h"
#include "editor/mirror.h"
#include "editor/pixel_edit.h"
#include "editor/width_commands.h"
#include "editor_fixture.h"

namespace gft::test {
namespace {

TEST(EditorSession, ApplyWritesTheFontAndRestoreReturnsToTheLoadedGlyph) {
    EditorFixture f;
    const CharInfo loaded = MakeGlyph(5, {0x88, 0x70});
    f.Open(2, 65, loaded);
    f.session.SetEditStatus(0);
    EXPECT_EQ(f.view.scrollResets, 1);
    EXPECT_EQ(f.session.editor.EditChrBackup, loaded);

    cmdDelChr_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(0, {0, 0}, false));
    EXPECT_EQ(f.view.caption, "Chr Editor \"A\" $41 #65 W:0 (Empty)");
    cmdRestore_Click(f.session);
    EXPECT_EQ(f.Edit(), loaded);

    for (int i = 0; i < 12; ++i)
        cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.session.font.Chars[65], loaded);
    const std::size_t start = f.session.LogLines().size();
    cmdApply_Click(f.session);
    EXPECT_EQ(f.session.font.Chars[65], f.Edit());
    EXPECT_EQ(f.session.font.MaxWidth, 17);
    EXPECT_EQ(f.LogSince(start), std::vector<std::string>{"Character 65 width is 17 > 16"});
    EXPECT_EQ(f.view.tileLoads.back(), std::make_pair(65, 65));
    EXPECT_EQ(f.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:2 Max WIDTH:17) (*)");

    cmdRestore_Click(f.session);  // the backup is still the glyph as loaded
    EXPECT_EQ(f.Edit(), loaded);
    cmdDelChr_Click(f.session);
    cmdApply_Click(f.session);
    EXPECT_EQ(f.session.font.Chars[65], MakeGlyph(0, {0, 0}, false));
}

TEST(EditorSession, PrevAndNextLoadTheNeighbourAndStopAtTheEnds) {
    EditorFixture f;
    f.Open(1, 0, MakeGlyph(3, {0xE0}));
    f.session.font.Chars[1] = MakeGlyph(2, {0x40});
    cmdInverse_Click(f.session);  // unapplied, dropped by the move
    cmdChangeChr_Click(f.session, 0);
    EXPECT_EQ(f.session.EditorChar, 0);
    cmdChangeChr_Click(f.session, 1);
    EXPECT_EQ(f.session.EditorChar, 1);
    EXPECT_EQ(f.Edit(), MakeGlyph(2, {0x40}));
    EXPECT_EQ(f.session.editor.EditChrBackup, f.Edit());
    EXPECT_EQ(f.session.font.Chars[0], MakeGlyph(3, {0xE0}));
    EXPECT_EQ(f.view.scrollResets, 2);

    f.Open(1, 255, MakeGlyph(3, {0xE0}));
    cmdChangeChr_Click(f.session, 1);
    EXPECT_EQ(f.session.EditorChar, 255);
    cmdChangeChr_Click(f.session, 0);
    EXPECT_EQ(f.session.EditorChar, 254);
    EXPECT_EQ(f.view.caption, "Chr Editor \"\xC5\xA3\" $FE #254 W:0 (Empty)");
}

TEST(EditorSession, EscHidesAndReopeningDropsUnappliedEdits) {
    EditorFixture f;
    f.Open(1, 65, MakeGlyph(3, {0xE0}));
    EXPECT_FALSE(EditorKeyPress(f.session, 'a'));
    cmdClear_Click(f.session);
    EXPECT_TRUE(EditorKeyPress(f.session, 27));
    EXPECT_FALSE(f.session.editor.visible);
    EXPECT_EQ(f.view.editorHidden, 1);
    mnuCharEditor_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(3, {0xE0}));
}

TEST(EditorSession, AutoApplyCopiesEveryChangeToTheFont) {
    EditorFixture f;
    f.Open(2, 65, MakeGlyph(8, {0x00, 0x00}));
    f.session.SetEditStatus(0);
    SetToggle(f.session, Toggle::AutoApply, true);

    picTable_MouseDown(f.session, 1, 0, 8, 8);
    EXPECT_EQ(f.session.font.Chars[65].Pixels, (Bytes{0x80, 0x00}));
    EXPECT_EQ(f.session.font.EditStatus, 2);
    const std::size_t loads = f.view.tileLoads.size();
    picTable_MouseMove(f.session, 1, 0, 9, 9);  // already set: nothing to apply
    EXPECT_EQ(f.view.tileLoads.size(), loads);

    for (int i = 0; i < 9; ++i)
        cmdWidth_Click(f.session, 1);
    EXPECT_EQ(f.session.font.Chars[65], f.Edit());
    EXPECT_EQ(f.session.font.MaxWidth, 17);
    const std::size_t start = f.session.LogLines().size();
    cmdMirror_Click(f.session, 0);  // same width: the "> 16" line is not repeated
    EXPECT_EQ(f.session.font.Chars[65], f.Edit());
    EXPECT_EQ(f.LogSince(start), std::vector<std::string>{});
    cmdRestore_Click(f.session);
    EXPECT_EQ(f.session.font.Chars[65], MakeGlyph(8, {0x00, 0x00}));
    EXPECT_EQ(f.session.font.MaxWidth, 8);

    SetToggle(f.session, Toggle::AutoApply, false);
    cmdInverse_Click(f.session);
    EXPECT_EQ(f.session.font.Chars[65], MakeGlyph(8, {0x00, 0x00}));
}

TEST(EditorSession, AGlyphFromAnEarlierFontIsNeitherEditedNorApplied) {
    EditorFixture f;
    f.Open(4, 65, MakeGlyph(8, {1, 2, 3, 4}));
    f.session.font.FontHeight = 3;  // the font changed under the hidden editor
    for (auto& c : f.session.font.Chars)
        MakeAbsent(c, 3);
    const Font font = f.session.font;
    cmdInverse_Click(f.session);
    cmdDelChr_Click(f.session);
    cmdWidth_Click(f.session, 1);
    cmdRestore_Click(f.session);
    EditAtPoint(f.session, 8, 8, 1);
    cmdApply_Click(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(8, {1, 2, 3, 4}));
    EXPECT_EQ(f.session.font, font);
}

}  // namespace
}  // namespace gft::test
