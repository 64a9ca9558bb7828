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

// Draws UTF-8 text as the game would: each character by its Windows-1250
// byte, glyphs side by side from the left, each as wide as its width, black
// ink (0) on white (255), every pixel scale x scale. Absent glyphs and
// characters outside the code page are skipped. The picture is the drawn
// glyphs' widths times scale wide (0 when nothing is drawn) and the font
// height times scale high.
TextRender RenderText(const Font& font, std::string_view utf8, int scale);

// The codes of the glyphs such a line draws, left to right.
std::vector<std::uint8_t> LineCodes(const Font& font, std::string_view utf8);

}  // namespace gft
