#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "format/font_model.h"
#include "format/format_result.h"
#include "format/raster.h"

namespace gft {

inline constexpr int kMinTextScale = 1;
inline constexpr int kMaxTextScale = 8;

// A line of text drawn with the font, or the message saying why it cannot be.
using TextRender = FormatResult<GrayImage>;

// What a line does with a character the font has no glyph for (outside the
// code page, or an absent glyph): the game skips it; a preview shows a
// hollow box of the font's height in its place.
enum class MissingGlyphs { Skip, Box };

// Draws UTF-8 text as the game would: each character by its Windows-1250
// byte, glyphs side by side from the left, each as wide as its width, black
// ink (0) on white (255), every pixel scale x scale. The picture is the drawn
// glyphs' widths times scale wide (0 when nothing is drawn) and the font
// height times scale high.
TextRender RenderText(const Font& font, std::string_view utf8, int scale,
                      MissingGlyphs missing = MissingGlyphs::Skip);

// The box drawn for a missing character in a font of this height: half the
// height wide (at least 3 columns) and one blank column after it.
CharInfo MissingGlyphBox(int height);

// The codes of the glyphs such a line draws, left to right.
std::vector<std::uint8_t> LineCodes(const Font& font, std::string_view utf8);

}  // namespace gft
