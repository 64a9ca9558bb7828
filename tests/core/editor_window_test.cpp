// The rules of the editor window that need no display and that the golden
// case editor_session cannot reach: points off the cells and the largest
// glyph in the report line, dragging, the caption's marks, the grid's
// rectangles, what hides the editor, and a glyph left
// from an earlier font.
#include <gtest/gtest.h>

#include "commands/editor/apply.h"
#include "commands/editor/caption.h"
#include "commands/editor/fill_commands.h"
#include "commands/editor/grid_geometry.h"
#include "commands/editor/pixel_edit.h"
#include "commands/editor/width_commands.h"
#include "commands/glyphs/height_gap.h"
#include "commands/window/option_commands.h"
#include "editor_fixture.h"

namespace gft::test {
namespace {

// The middle of a 1-based cell.
double At(int cell) {
    return (cell - 1) * 16 + 8;
}

TEST(EditorPixels, ReportNamesTheCellByteAndBit) {
    EditorFixture f;
    f.Open(3, 65, MakeGlyph(8, {0, 0, 0}));
    const struct {
        double x, y;
        const char* report;
    } points[] = {
        {-15, -1, "1;1;1; B:1; bN:7; bV:128"},  // just left of and above the grid
        {-15.5, 8, "0;0;0; B:0"},               // rounds to -16: off the grid
        {126.5, 8, "8;1;8; B:1; bN:0; bV:1"},   // halves round to even: 126
        {127.5, 8, "0;0;0; B:0"},               // 128
        {8, 48, "0;0;0; B:0"},
    };
    for (const auto& p : points) {
        EXPECT_EQ(EditAtPoint(f.session, p.x, p.y, 0), std::nullopt);
        EXPECT_EQ(f.view.report, p.report);
    }

    // The largest glyph: cell indices and byte numbers beyond 16 bits.
    f.Open(255, 65, MakeGlyph(255, Bytes(32 * 255, 0)));
    EXPECT_EQ(EditAtPoint(f.session, At(256), At(255), 1), (GridCell{255, 254}));
    EXPECT_EQ(f.view.report, "256;255;65280; B:8160; bN:0; bV:1");
    EXPECT_EQ(f.Edit().Pixels.back(), 0x01);
}

TEST(EditorPixels, DraggingPaintsOrErasesButNotInInverseMode) {
    EditorFixture f;
    f.Open(2, 65, MakeGlyph(5, {0x80, 0x00}));
    auto& pixels = f.Edit().Pixels;
    DragOnGrid(f.session, 1, At(7), At(2));  // beyond the width too
    EXPECT_EQ(pixels, (Bytes{0x80, 0x02}));
    EXPECT_EQ(f.view.cells.back(), std::make_pair(6, 1));
    DragOnGrid(f.session, 2, At(1), At(1));
    EXPECT_EQ(pixels, (Bytes{0x00, 0x02}));
    DragOnGrid(f.session, 3, At(3), At(1));  // both buttons: only the report
    PressOnGrid(f.session, 4, At(3), At(1));
    EXPECT_EQ(pixels, (Bytes{0x00, 0x02}));
    EXPECT_EQ(f.view.report, "3;1;3; B:1; bN:5; bV:32");

    SetToggle(f.session, Toggle::CrsrInv, true);
    const std::size_t repaints = f.view.cells.size();
    DragOnGrid(f.session, 1, At(4), At(1));  // moving toggles nothing
    EXPECT_EQ(pixels, (Bytes{0x00, 0x02}));
    EXPECT_EQ(f.view.cells.size(), repaints);
}

TEST(EditorCaption, MarksControlCharactersAndTheLabel) {
    Font font;
    font.Selected[65] = font.Different[65] = 1;
    EXPECT_EQ(EditorCaptionText(font, 65, MakeGlyph(8, {}, false)),
              "Chr Editor \"A\" $41 #65 W:8 (Empty) (Selected) (Different)");
    EXPECT_EQ(EditorCaptionText(font, 13, MakeGlyph(0, {})), "Chr Editor \"\x0E\" $D #13 W:0");
    EXPECT_EQ(EditorCharLabelText(38), "&");
    EXPECT_EQ(EditorCharLabelText(13), "\r");
}

TEST(EditorGrid, SizesBarsCellColoursAndScrollPlacement) {
    const CharInfo five = MakeGlyph(5, Bytes{0x84, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(TableSize(five, 10), (GridSize{129, 165}));
    EXPECT_EQ(TableBackground(five, 10),
              (std::vector<GridRect>{{0, 0, 128, 164, kGridLineColor},
                                     {1, 161, 79, 163, kInsideColor},
                                     {81, 161, 127, 163, kBeyondColor}}));
    EXPECT_EQ(CellColor(five, 5, 0), kInkColor);  // a set beyond-width bit
    EXPECT_EQ(CellColor(five, 4, 0), kInsideColor);
    EXPECT_EQ(CellColor(five, 6, 0), kBeyondColor);
    EXPECT_EQ(CellRect(five, 2, 1), (GridRect{33, 17, 47, 31, kInsideColor}));
    EXPECT_EQ(TableBackground(MakeGlyph(16, {0, 0}), 1).size(), 2u);  // no beyond-width bar
    EXPECT_EQ(TableSize(MakeGlyph(255, {}), 255), (GridSize{4097, 4085}));
    EXPECT_EQ(ScrollOffset(kScrollMaximum, 4097, 512),
              -3585);  // the window test places the others
}

TEST(EditorSession, EscAndAChangeOfHeightHideTheEditor) {
    EditorFixture f;
    f.Open(1, 65, MakeGlyph(3, {0xE0}));
    EXPECT_FALSE(EditorKeyPress(f.session, 'a'));
    EXPECT_TRUE(f.session.editor.visible);
    EXPECT_TRUE(EditorKeyPress(f.session, 27));
    EXPECT_FALSE(f.session.editor.visible);
    EXPECT_EQ(f.view.editorHidden, 1);
    OpenCharEditor(f.session);
    ChangeHeight(f.session, Edge::Top, RowStep::Remove);  // refused: the row has ink
    EXPECT_TRUE(f.session.editor.visible);
    ChangeHeight(f.session, Edge::Top, RowStep::Add);
    EXPECT_FALSE(f.session.editor.visible);
}

TEST(EditorSession, AGlyphFromAnEarlierFontIsNeitherEditedNorApplied) {
    EditorFixture f;
    f.Open(4, 65, MakeGlyph(8, {1, 2, 3, 4}));
    f.session.font.FontHeight = 3;  // the font changed under the hidden editor
    for (auto& c : f.session.font.Chars)
        MakeAbsent(c, 3);
    const Font font = f.session.font;
    InvertGlyph(f.session);
    EraseGlyph(f.session);
    ChangeWidth(f.session, WidthStep::Wider);
    RestoreGlyph(f.session);
    EditAtPoint(f.session, 8, 8, 1);
    ApplyGlyph(f.session);
    EXPECT_EQ(f.Edit(), MakeGlyph(8, {1, 2, 3, 4}));
    EXPECT_EQ(f.session.font, font);
}

}  // namespace
}  // namespace gft::test
