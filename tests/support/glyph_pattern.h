#pragma once

#include <string>
#include <vector>

#include "font/char_info.h"

namespace gft::test {

// A present glyph from rows of text: '#' ink, '.' blank inside the width,
// '+' and ',' set and clear bits beyond it. Missing columns are clear.
CharInfo GlyphOf(int width, const std::vector<std::string>& rows);

// A glyph's rows as GlyphOf reads them, the bytes' spare bits included.
std::vector<std::string> RowsOf(const CharInfo& glyph, int height);

}  // namespace gft::test
