#pragma once

#include <cstdint>
#include <vector>

#include "format/font_model.h"

namespace gft {

// The widest glyph's width, present or not.
std::uint8_t WidestGlyph(const Font& font);

// The row the baseline most likely runs under, counted from the top: over
// the present digits and capital letters that sit on it (0-9, A-Z but J and
// Q) and have ink inside their width, the most common of (lowest ink row +
// 1), the larger on a tie; the height when there are none. It is the
// number of rows above the baseline.
int EstimateBaseline(const Font& font);

// The groups of two or more present glyphs that look alike (equal widths,
// equal bits inside the width; bits beyond it play no part), each group's
// codes ascending, the groups ordered by their first code.
std::vector<std::vector<int>> FindDuplicateGroups(const Font& font);

// Gives a glyph with ink inside its width the width that holds that ink plus
// `spacing` blank columns (at most 255 in all); bits that the new columns
// held beyond the old width are cleared. A glyph without ink is left alone.
// Returns true when the glyph changed.
bool FitWidthToInk(CharInfo& glyph, int height, int spacing);

}  // namespace gft
