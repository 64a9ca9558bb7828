#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format/font_model.h"

namespace gft {

// Glyphs on the clipboard in the program's own form, so that nothing is lost
// between two running editors: the font height, then per glyph its code,
// width, whether it is present, and every row byte (the bits beyond the width
// included). The form is text, one item a line:
//
//   grindfnt-glyphs 1          the form and its version
//   height H                   rows per glyph, 1..255
//   glyph CODE WIDTH [absent]  CODE 0..255, WIDTH 1..255, or 0 with "absent"
//   ROW                        H lines: the row's bytes, (WIDTH + 7) / 8 of
//   ...                        them (1 for width 0), two hex digits each
//                              (all 00 for an absent glyph)
//   end
//
// with "glyph" and its rows repeated for up to 256 glyphs, in any order. Lines
// end in LF; a CR before it is ignored, as is one line ending after "end".
// Nothing else is accepted.
inline constexpr const char* kGlyphClipboardMime = "application/x-grindfnt-glyphs";
inline constexpr int kMaxClipboardGlyphs = 256;

struct ClipboardGlyph {
    int code = 0;
    CharInfo glyph;  // HasError is not carried
    bool operator==(const ClipboardGlyph&) const = default;
};

struct GlyphClipboard {
    int height = 0;
    std::vector<ClipboardGlyph> glyphs;
    bool operator==(const GlyphClipboard&) const = default;
};

// The glyphs of codes (each 0..255, in the order given) of font. A present
// glyph of width 0 (a fault of a damaged file) goes as absent.
GlyphClipboard CopyGlyphs(const Font& font, const std::vector<int>& codes);

// The text form. Rows missing from a glyph's bytes are written as zeros.
std::string EncodeGlyphClipboard(const GlyphClipboard& clipboard);

// The glyphs of a text form, or why it is not one ("line N: ...").
struct GlyphClipboardReading {
    std::optional<GlyphClipboard> clipboard;
    std::string error;
};
GlyphClipboardReading DecodeGlyphClipboard(std::string_view text);

}  // namespace gft
