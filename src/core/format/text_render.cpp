#include "format/text_render.h"

#include <algorithm>
#include <cstring>

#include "editor/glyph_rows.h"
#include "format/code_page.h"

namespace gft {

namespace {

// Larger pictures are refused rather than allocated.
constexpr long kMaxPixels = 1L << 28;

bool Drawn(const CharInfo& glyph, int height) {
    return glyph.Present && glyph.Width > 0 && FitsHeight(glyph, height);
}

// Draws one glyph's row of pixels scaled at `target`; the row is white.
void DrawRow(const std::uint8_t* bits, int width, int scale, std::uint8_t* target) {
    for (int col = 0; col < width; ++col)
        if (bits[col / 8] & (0x80u >> (col % 8)))
            std::memset(target + col * scale, 0, static_cast<std::size_t>(scale));
}

void DrawGlyph(const CharInfo& glyph, int height, int scale, int left, GrayImage& image) {
    const int bytesPerRow = glyph.BytesPerRow();
    const auto stride = static_cast<std::size_t>(image.width);
    const auto span = static_cast<std::size_t>(glyph.Width * scale);
    for (int row = 0; row < height; ++row) {
        std::uint8_t* first = image.pixels.data() + static_cast<std::size_t>(row * scale) * stride +
                              static_cast<std::size_t>(left);
        DrawRow(glyph.Pixels.data() + row * bytesPerRow, glyph.Width, scale, first);
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(first + static_cast<std::size_t>(copy) * stride, first, span);
    }
}

}  // namespace

TextRender RenderText(const Font& font, std::string_view utf8, int scale) {
    TextRender result;
    const int height = font.FontHeight;
    if (!font.FontLoaded || height < 1) {
        result.error = "No font loaded";
        return result;
    }
    if (scale < kMinTextScale || scale > kMaxTextScale) {
        result.error = "Scale must be 1 to 8, not " + std::to_string(scale);
        return result;
    }
    const std::vector<std::uint8_t> codes = Cp1250BytesOf(utf8);
    long width = 0;
    for (std::uint8_t code : codes)
        if (Drawn(font.Chars[code], height)) width += font.Chars[code].Width;
    if (width * scale * height * scale > kMaxPixels) {
        result.error = "Text too long to draw";
        return result;
    }
    result.image = GrayImage(static_cast<int>(width * scale), height * scale);
    int left = 0;
    for (std::uint8_t code : codes) {
        const CharInfo& glyph = font.Chars[code];
        if (!Drawn(glyph, height)) continue;
        DrawGlyph(glyph, height, scale, left, result.image);
        left += glyph.Width * scale;
    }
    return result;
}

}  // namespace gft
