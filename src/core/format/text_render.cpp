#include "format/text_render.h"

#include <algorithm>
#include <cstring>

#include "format/code_page.h"
#include "format/glyph_rows.h"

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

// Draws the glyphs' font row `row` into the picture's first row of that font
// row, then copies it to the other scale - 1.
void DrawFontRow(const std::vector<const CharInfo*>& glyphs, int row, int scale, GrayImage& image) {
    const auto stride = static_cast<std::size_t>(image.width);
    std::uint8_t* first = image.pixels.data() + static_cast<std::size_t>(row * scale) * stride;
    std::uint8_t* target = first;
    for (const CharInfo* glyph : glyphs) {
        DrawRow(glyph->Pixels.data() + row * glyph->BytesPerRow(), glyph->Width, scale, target);
        target += glyph->Width * scale;
    }
    for (int copy = 1; copy < scale; ++copy)
        std::copy_n(first, stride, first + static_cast<std::size_t>(copy) * stride);
}

}  // namespace

std::vector<std::uint8_t> LineCodes(const Font& font, std::string_view utf8) {
    std::vector<std::uint8_t> codes;
    for (std::uint8_t code : Cp1250BytesOf(utf8))
        if (Drawn(font.Glyph(code), font.FontHeight)) codes.push_back(code);
    return codes;
}

CharInfo MissingGlyphBox(int height) {
    CharInfo box;
    MakeAbsent(box, height);
    const int inner = std::max(3, height / 2);
    ResizeWidth(box, height, inner + 1);
    box.Present = true;
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < inner; ++col)
            SetPixel(box, row, col, row == 0 || row == height - 1 || col == 0 || col == inner - 1);
    return box;
}

TextRender RenderText(const Font& font, std::string_view utf8, int scale, MissingGlyphs missing) {
    const int height = font.FontHeight;
    if (!font.FontLoaded || height < 1) return TextRender::Failure("No font loaded");
    if (scale < kMinTextScale || scale > kMaxTextScale)
        return TextRender::Failure("Scale must be 1 to 8, not " + std::to_string(scale));
    const CharInfo box = MissingGlyphBox(height);
    std::vector<const CharInfo*> glyphs;
    long width = 0;
    for (const auto code : Cp1250CharactersOf(utf8)) {
        const CharInfo* glyph = code ? &font.Glyph(*code) : nullptr;
        if (glyph == nullptr || !glyph->Present) {
            if (missing == MissingGlyphs::Skip) continue;
            glyph = &box;
        } else if (!Drawn(*glyph, height)) {
            continue;  // nothing to draw: width 0, or rows that do not fit
        }
        glyphs.push_back(glyph);
        width += glyph->Width;
    }
    if (width * scale * height * scale > kMaxPixels)
        return TextRender::Failure("Text too long to draw");
    GrayImage image(static_cast<int>(width * scale), height * scale);
    for (int row = 0; row < height && !glyphs.empty(); ++row)
        DrawFontRow(glyphs, row, scale, image);
    return TextRender::Success(std::move(image));
}

}  // namespace gft
