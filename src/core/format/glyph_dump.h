#pragma once

#include <string>

#include "format/font_model.h"

namespace gft {

// One glyph as text: a heading line, then one line per row with '#' for ink
// and '.' for background, ',' and '+' for clear and set bits past the width.
std::string DumpGlyph(const Font& font, int code);
// The same for any glyph record shown as code, e.g. the editor's working copy.
std::string DumpGlyph(const CharInfo& glyph, int height, int code, bool selected);

// The attribute bytes in hex, "00 1F ...".
std::string AttributeBytes(const Font& font);

// Height, widest width, glyph counts and attribute bytes of a font.
std::string FontInfo(const Font& font);

}  // namespace gft
