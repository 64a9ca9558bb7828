#pragma once

#include <string>

#include "format/code_page.h"
#include "format/truetype_export.h"

namespace gft::test {

// Reads an exported TrueType font back with FreeType at a pixel size equal
// to the font's height, once unhinted in black and white
// (FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING | FT_LOAD_TARGET_MONO) and once
// with the default load flags, anti-aliased, where every pixel must be
// fully on or off. Every present code's character (its code page character,
// or U+F000 + code for a control code or an unassigned position) must give
// exactly the glyph's ink inside its width, placed by bitmap_left and
// ascent - bitmap_top, with an advance of its width; no other character may
// be mapped. A glyph whose outline has more than 32756 points (counted
// here corner by corner) must come out empty and be named in the notes.
// Returns the first difference, or nothing.
std::string TrueTypeRoundTripDifference(const Font& font, const TrueTypeExport& exported,
                                        int ascent, CodePage page);

}  // namespace gft::test
