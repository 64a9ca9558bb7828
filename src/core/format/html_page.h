#pragma once

#include <string>
#include <string_view>

#include "format/font_model.h"
#include "support/byte_sink.h"

namespace gft {

// The line every specimen page shows drawn with its font.
inline constexpr std::string_view kSpecimenSample =
    "Zażółć gęślą jaźń. The quick brown fox jumps over the lazy dog 0123456789";

// How many screen pixels a font pixel takes on the page: glyphs about 48
// pixels high, 1 to 8 times their size.
int SpecimenScale(const Font& font);

// One self-contained HTML page showing the font: its file name (any bytes:
// what is not UTF-8 shows as the replacement character), height and glyph
// count, the sample line drawn with the font, a text box whose text is shown
// in the font (embedded as TrueType) at 1, 2 and 3 times its size, and the
// 16 x 16 glyph table (every glyph drawn crisp at SpecimenScale from one
// inline PNG sheet, its code and width under it, selected glyphs marked). Written into the
// sink as it is made; false when a picture could not be encoded.
bool WriteHtmlPage(const Font& font, std::string_view fileName, ByteSink& page);
// The same page in memory.
std::string HtmlSpecimen(const Font& font, std::string_view fileName);

}  // namespace gft
