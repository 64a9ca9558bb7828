#include "format/eight_bit_export.h"

#include <algorithm>

namespace gft {

namespace {

constexpr int kSide = 8;
constexpr int kAtariGlyphs = 128;

int AtariCodeAt(int position) {
    if (position < 64) return position + 32;
    if (position < 96) return position - 64;
    return position;
}

void PutGlyph(const Font& font, int code, EightBitExport& out, std::size_t at) {
    const CharInfo& glyph = font.Glyph(code);
    if (!glyph.Present) return;
    if (glyph.Width > kSide || font.FontHeight > kSide) ++out.cut;
    const int rows =
        std::min<int>({font.FontHeight, kSide, glyph.DataSize() / glyph.BytesPerRow()});
    const int visible = std::min<int>(glyph.Width, kSide);
    const auto mask = static_cast<std::uint8_t>(0xFF00 >> visible);
    for (int y = 0; y < rows; ++y)
        out.bytes[at + static_cast<std::size_t>(y)] =
            glyph.Pixels[static_cast<std::size_t>(y * glyph.BytesPerRow())] & mask;
}

}  // namespace

EightBitExport ExportAtariFont(const Font& font) {
    EightBitExport out;
    out.bytes.assign(kAtariGlyphs * kSide, 0);
    for (int position = 0; position < kAtariGlyphs; ++position)
        PutGlyph(font, AtariCodeAt(position), out, static_cast<std::size_t>(position) * kSide);
    for (int code = kAtariGlyphs; code < kGlyphCount; ++code)
        if (font.Glyph(code).Present) ++out.leftOut;
    return out;
}

EightBitExport ExportEightBitFont(const Font& font) {
    EightBitExport out;
    out.bytes.assign(kGlyphCount * kSide, 0);
    for (int code = 0; code < kGlyphCount; ++code)
        PutGlyph(font, code, out, static_cast<std::size_t>(code) * kSide);
    return out;
}

}  // namespace gft
