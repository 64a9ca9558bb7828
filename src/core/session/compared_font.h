#pragma once

#include <array>

#include "format/font_model.h"

namespace gft {

// The glyphs of the font last compared with ("Compare FNT..."), kept until
// another font is loaded, created or imported: the character editor can show
// them under its cells and the hover display marks the glyphs that differ.
struct ComparedFont {
    bool kept = false;
    int height = 0;
    std::array<CharInfo, kGlyphCount> Chars{};
};

// Whether the font's glyph code differs from the compared font's (the
// program's one rule of glyph equality); false with no compared font.
inline bool DiffersFromCompared(const ComparedFont& compared, const Font& font, int code) {
    return compared.kept && code >= 0 && code < kGlyphCount &&
           !GlyphsEqual(compared.Chars[code], font.Chars[code]);
}

}  // namespace gft
