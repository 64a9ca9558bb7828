#pragma once

#include <array>

#include "format/font_model.h"

namespace gft {

// Runs of alike glyphs, for the operations that make glyphs anew: a glyph
// alike the one before it is given that one's result rather than having it
// worked out again. A font too large for a font file to hold without
// sharing its glyphs is mostly such repeats.

using GlyphChoice = std::array<bool, kGlyphCount>;

// For each code that `chosen` marks, the chosen code before it when their
// glyphs are alike in every field, so that an operation makes the same of
// both; else -1.
std::array<int, kGlyphCount> RepeatsOfPrevious(const Font& font, const GlyphChoice& chosen);

}  // namespace gft
