#pragma once

#include <optional>
#include <string>
#include <vector>

#include "format/font_model.h"
#include "format/glyph_clipboard.h"
#include "format/raster.h"

namespace gft {

// What a paste writes into the font: glyphs[i] goes to codes[i], every glyph
// already of the font's height; logLine says, when it is not empty, that the
// pasted rows were cut or padded at the bottom.
struct GlyphPaste {
    std::vector<int> codes;
    std::vector<CharInfo> glyphs;
    std::string logLine;
};

// The codes a copy takes: the selected ones in ascending order, or the one
// under the mouse when none is selected.
std::vector<int> CopiedCodes(const Font& font, int hovered);

// Where the clipboard's glyphs go: into the selected codes in ascending
// order, or with none selected into from, from + 1, ... up to 255; as many
// as there are glyphs or codes, whichever is fewer. A glyph of another height
// keeps its top rows: the bottom ones are cut, or blank rows added below.
GlyphPaste PlanGlyphPaste(const Font& font, const GlyphClipboard& clipboard, int from);

// A picture into the one glyph code: a pixel is ink when its luminance is
// below half (GrayImage::IsInk), the width is the picture's (at most 255,
// the rest cut at the right), the rows cut or padded at the bottom to the
// font's height. Nothing for an empty picture.
std::optional<GlyphPaste> PlanPicturePaste(const Font& font, const GrayImage& picture, int code);

// Writes the planned glyphs into the font (each without an error mark).
void ApplyGlyphPaste(Font& font, const GlyphPaste& paste);

// glyph with rows of `from` rows made `to` rows: the top rows kept, those
// past `to` cut, blank ones added below.
CharInfo FitGlyphHeight(const CharInfo& glyph, int from, int to);

}  // namespace gft
