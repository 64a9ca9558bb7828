#pragma once

#include <cstdint>

#include "format/char_info.h"

namespace gft {

// The cuts a game font is made in, each drawn from a glyph's ink I(r, c)
// inside its width W (rows r from the top, columns c from the left):
//   Bold     W + 1, I(r, c) or I(r, c - 1)
//   Italic   W + (H - 1) / step, row r moved right by (H - 1 - r) / step
//   Outline  W + 2, the ring of cells around the ink moved right by one
//   Shadow   W + 1, I(r, c) or I(r - 1, c - 1)
//   Invert   W, not I(r, c)
enum class GlyphEffect : std::uint8_t { Bold, Italic, Outline, Shadow, Invert };

inline constexpr int kMaxItalicStep = 8;

struct EffectOutcome {
    bool applied = false;  // false: the glyph was left as it was
    bool changed = false;  // its width or bytes differ now (italic on one row may not)
    bool inkCut = false;   // ink that fell beyond width 255 was dropped
};

// Applies an effect to a glyph of this height, 1..255 (italicStep 1..8 is
// read by Italic only). The result's width is at most 255, its bits beyond
// the width clear. A glyph of width 0 is left alone, and so is one without
// ink by all but Invert.
EffectOutcome ApplyEffect(CharInfo& glyph, int height, GlyphEffect effect, int italicStep = 2);

// One glyph of a font scaled by factor (2 or 3): height rows become
// height x factor, a present glyph's width W becomes W x factor (the caller
// keeps that within 255) and each pixel a factor x factor block. Bits beyond
// the width are cleared; an absent glyph stays absent.
void ScaleGlyph(CharInfo& glyph, int height, int factor);

}  // namespace gft
