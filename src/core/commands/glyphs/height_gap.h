#pragma once

#include <vector>

#include "format/font_model.h"

namespace gft {

class Session;

// Height menu: 0 top gap increase, 1 top gap decrease, 2 down gap increase,
// 3 down gap decrease; a decrease is refused while a glyph has ink in the row.
void ChangeHeightGap(Session& session, int index);

// The row shifting behind the height commands, on the model alone: no limit
// checks, no log, no redraw. Every glyph, absent ones included, changes.
// Adds a blank row at the top (atTop) or the bottom of every glyph and grows
// FontHeight by one.
void AddBlankRow(Font& font, bool atTop);
// Drops the top or bottom row of every glyph and lowers FontHeight by one.
void RemoveRow(Font& font, bool atTop);
// The codes, ascending, whose top or bottom row has any bit set, the bits
// beyond the width included.
std::vector<int> RowObstacles(const Font& font, bool atTop);

}  // namespace gft
