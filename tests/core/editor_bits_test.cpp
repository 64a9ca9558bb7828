// The editor's whole-glyph commands against a plain bit-grid model, on widths
// around every byte boundary and on the largest glyph (255 x 255), and the
// log lines of the column moves at their limits.
#include <gtest/gtest.h>

#include <functional>

#include "commands/editor/column_moves.h"
#include "commands/editor/fill_commands.h"
#include "commands/editor/mirror.h"
#include "commands/editor/row_moves.h"
#include "commands/editor/width_commands.h"
#include "editor_fixture.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;
using Model = std::function<void(RefGlyph&)>;
using Command = std::function<void(Session&)>;

void ForVisible(RefGlyph& g, const std::function<void(std::vector<bool>&, int)>& f) {
    for (auto& row : g.rows)
        for (int c = 0; c < g.width; ++c)
            f(row, c);
}

// Rows keep their beyond-width bits; only visible parts move.
void RotateVisibleRows(RefGlyph& g, int step) {
    const auto old = g.rows;
    const int h = static_cast<int>(old.size());
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < g.width; ++c)
            g.rows[r][c] = old[((r + step) % h + h) % h][c];
}

void ShiftColumns(RefGlyph& g, int step) {
    for (auto& row : g.rows) {
        const auto old = row;
        const int n = static_cast<int>(row.size());
        for (int c = 0; c < n; ++c)
            row[c] = c + step >= 0 && c + step < n ? old[c + step] : false;
    }
}

bool ColumnInk(const RefGlyph& g, int col) {
    for (const auto& row : g.rows)
        if (row[col]) return true;
    return false;
}

const struct {
    const char* name;
    Command run;
    Model model;
} kCommands[] = {
    {"mirror-h", [](Session& s) { MirrorGlyph(s, Axis::Horizontal); },
     [](RefGlyph& g) {
         for (auto& row : g.rows)
             for (int c = 0; c < g.width / 2; ++c) {
                 const bool left = row[c];
                 row[c] = row[g.width - 1 - c];
                 row[g.width - 1 - c] = left;
             }
     }},
    {"mirror-v", [](Session& s) { MirrorGlyph(s, Axis::Vertical); },
     [](RefGlyph& g) {
         const auto old = g.rows;
         const std::size_t h = old.size();
         for (std::size_t r = 0; r < h; ++r)
             for (int c = 0; c < g.width; ++c)
                 g.rows[r][c] = old[h - 1 - r][c];
     }},
    {"up", [](Session& s) { ShiftRows(s, RowShift::Up); },
     [](RefGlyph& g) { RotateVisibleRows(g, 1); }},
    {"down", [](Session& s) { ShiftRows(s, RowShift::Down); },
     [](RefGlyph& g) { RotateVisibleRows(g, -1); }},
    {"left", [](Session& s) { ShiftColumns(s, ColumnShift::Left); },
     [](RefGlyph& g) {
         if (ColumnInk(g, 0)) return;
         ShiftColumns(g, 1);
         if (g.width > 0) g.Resize(g.width - 1);
     }},
    {"right", [](Session& s) { ShiftColumns(s, ColumnShift::Right); },
     [](RefGlyph& g) {
         if (g.width < 255)
             g.Resize(g.width + 1);
         else if (ColumnInk(g, 254))
             return;
         ShiftColumns(g, -1);
     }},
    {"width-", [](Session& s) { ChangeWidth(s, WidthStep::Narrower); },
     [](RefGlyph& g) {
         if (g.width > 0) g.Resize(g.width - 1);
     }},
    {"width+", [](Session& s) { ChangeWidth(s, WidthStep::Wider); },
     [](RefGlyph& g) {
         if (g.width < 255) g.Resize(g.width + 1);
     }},
    {"inverse", InvertGlyph,
     [](RefGlyph& g) { ForVisible(g, [](auto& row, int c) { row[c] = !row[c]; }); }},
    {"clear", ClearGlyph,
     [](RefGlyph& g) { ForVisible(g, [](auto& row, int c) { row[c] = false; }); }},
    {"clear-outside", ClearBeyondWidth,
     [](RefGlyph& g) {
         for (auto& row : g.rows)
             for (std::size_t c = g.width; c < row.size(); ++c)
                 row[c] = false;
     }},
    {"fix-width", FitWidth,
     [](RefGlyph& g) {
         int width = 0;
         for (int c = 0; c < RefGlyph::Columns(g.width); ++c)
             if (ColumnInk(g, c)) width = std::min(c + 1, 255);
         g.Resize(width);
     }},
};

TEST(EditorCommands, MatchTheBitModelOnEveryWidthAndTheLargestGlyph) {
    const struct {
        int width, height;
    } shapes[] = {{0, 3},  {1, 4},  {5, 10}, {7, 2},  {8, 5},   {9, 5},     {13, 1},
                  {16, 6}, {17, 6}, {24, 3}, {25, 3}, {254, 9}, {255, 255}, {200, 255}};
    unsigned seed = 1;
    for (const auto& shape : shapes) {
        EditorFixture f;
        for (const auto& command : kCommands) {
            for (int sparse = 0; sparse < 2; ++sparse) {
                SCOPED_TRACE(std::string(command.name) + " width " + std::to_string(shape.width) +
                             " height " + std::to_string(shape.height));
                CharInfo glyph = RandomGlyph(shape.width, shape.height, ++seed);
                if (sparse) {  // free columns 0 and 254 so the column moves go ahead
                    for (std::size_t i = 0; i < glyph.Pixels.size(); ++i)
                        glyph.Pixels[i] &= i % glyph.BytesPerRow() == 0 ? 0x7F : 0xFF;
                    if (shape.width == 255)
                        for (std::size_t i = 31; i < glyph.Pixels.size(); i += 32)
                            glyph.Pixels[i] &= 0xFD;
                }
                RefGlyph expected(glyph, shape.height);
                command.model(expected);
                f.Open(shape.height, 65, glyph);
                command.run(f.session);
                EXPECT_EQ(f.Edit(), expected.ToGlyph());
                EXPECT_EQ(f.session.font.Chars[65], glyph) << "the font changes only on Apply";
            }
        }
    }
}

TEST(EditorCommands, MirrorsAndColumnMovesLeaveAnAbsentGlyphAlone) {
    EditorFixture f;
    const CharInfo glyph = MakeGlyph(5, {0x17, 0x80, 0x03}, false);
    f.Open(3, 65, glyph);
    for (const auto& run : {+[](Session& s) { MirrorGlyph(s, Axis::Horizontal); },
                            +[](Session& s) { MirrorGlyph(s, Axis::Vertical); },
                            +[](Session& s) { ShiftColumns(s, ColumnShift::Left); },
                            +[](Session& s) { ShiftColumns(s, ColumnShift::Right); }})
        run(f.session);
    EXPECT_EQ(f.Edit(), glyph);
    ShiftRows(f.session, RowShift::Up);  // the row moves ignore Present
    EXPECT_EQ(f.Edit().Pixels, (Bytes{0x87, 0x00, 0x13}));
}

TEST(EditorWidth, MoveLeftAndRightSayWhyTheyStop) {
    EditorFixture f;
    const auto logOf = [&f](int direction) {
        const std::size_t start = f.session.LogLines().size();
        ShiftColumns(f.session, direction == 0 ? ColumnShift::Left : ColumnShift::Right);
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
