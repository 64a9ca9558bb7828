#pragma once

#include <string>

#include "format/font_model.h"

namespace gft {

// A font as BDF 2.1 text, or the message saying why it cannot be written.
struct BdfExport {
    std::string error;  // empty on success
    std::string text;

    bool ok() const { return error.empty(); }
};

// Writes the present glyphs as a Unicode BDF font that X11's bdftopcf and
// FreeType read: each glyph under the code point of its Windows-1250
// character (codes without one get encoding -1 and the code), as wide as
// the glyph, all of them the font's height with `ascent` rows (0..height)
// above the baseline. Bits beyond a glyph's width are not written.
BdfExport ExportBdf(const Font& font, int ascent);

}  // namespace gft
