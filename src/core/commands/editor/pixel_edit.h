#pragma once

#include <optional>
#include <string>

#include "format/char_info.h"

namespace gft {

class Session;

// The grid cell under a point of picTable: 1-based column and row and the
// 1-based cell index counted row by row over all columns; all 0 when the
// point is off the grid. The point is rounded to whole pixels (halves to
// even) and divided by the 16-pixel pitch towards zero, so the 15 pixels just
// left of or above the grid still count as the first column or row.
struct CellHit {
    int col = 0;
    int row = 0;
    int index = 0;
};
CellHit CellAtPoint(const CharInfo& glyph, int height, double x, double y);

// The txtOut line for a cell: "col;row;index; B:byte", and for a cell on the
// grid "; bN:" bit number "; bV:" bit value, e.g. 3;2;11; B:2; bN:5; bV:32.
std::string CellReport(const CellHit& hit);

// A 0-based grid cell.
struct GridCell {
    int col;
    int row;
    bool operator==(const GridCell&) const = default;
};

// Reports the cell under (x, y) in txtOut and, for button 1 (left) or 2
// (right) on a cell, edits its pixel: with "[Cursor Inv.]" off the left
// button sets and the right clears, with it on either toggles. An edited
// glyph becomes present. Returns the cell edited, which alone needs a repaint
// (the view hears of it too); none for other buttons or points off the grid.
std::optional<GridCell> EditAtPoint(Session& session, double x, double y, int button);

// A press on the grid edits the cell under it.
void PressOnGrid(Session& session, int button, double x, double y);

// A move over the grid: paints with the held button, or with "[Cursor Inv.]"
// on only reports the cell, so pixels toggle on presses alone.
void DragOnGrid(Session& session, int button, double x, double y);

}  // namespace gft
