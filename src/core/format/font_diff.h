#pragma once

#include <string>
#include <vector>

#include "format/font_model.h"

namespace gft {

// The codes whose glyphs differ between two fonts in presence, width or
// bits (those past the width too). Two absent glyphs never differ.
std::vector<int> DifferingCodes(const Font& first, const Font& second);

// The glyph of code in both fonts side by side, each as DumpGlyph draws it,
// and a third column marking each pixel that differs: '<' ink only in the
// first font, '>' ink only in the second, '.' where they agree. A row one
// font lacks (the other is taller) is blank on its side.
std::string GlyphsSideBySide(const Font& first, const Font& second, int code);

// Lines for what differs beyond the glyphs: the height and the attribute
// bytes, "first | second"; empty when both agree.
std::string FontHeadDifferences(const Font& first, const Font& second);

}  // namespace gft
