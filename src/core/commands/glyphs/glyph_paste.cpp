#include "commands/glyphs/glyph_paste.h"

#include <algorithm>

namespace gft {

namespace {

// The log line of a paste whose rows were fitted, empty when none was.
std::string HeightNote(const char* what, int from, int to) {
    if (from == to) return {};
    return std::string("Pasted ") + what + " of height " + std::to_string(from) +
           (from > to ? " cut" : " padded") + " at the bottom to the font height " +
           std::to_string(to);
}

std::vector<int> SelectedCodes(const Font& font) {
    std::vector<int> codes;
    for (int code = 0; code < kGlyphCount; ++code)
        if (font.Selection(code)) codes.push_back(code);
    return codes;
}

}  // namespace

std::vector<int> CopiedCodes(const Font& font, int hovered) {
    std::vector<int> codes = SelectedCodes(font);
    if (codes.empty() && hovered >= 0 && hovered < kGlyphCount) codes.push_back(hovered);
    return codes;
}

CharInfo FitGlyphHeight(const CharInfo& glyph, int from, int to) {
    CharInfo fitted = glyph;
    const std::size_t bytesPerRow = static_cast<std::size_t>(glyph.BytesPerRow());
    const std::size_t kept = bytesPerRow * static_cast<std::size_t>(std::min(from, to));
    fitted.Pixels.assign(bytesPerRow * static_cast<std::size_t>(std::max(to, 0)), 0);
    std::copy_n(glyph.Pixels.begin(), std::min(kept, glyph.Pixels.size()), fitted.Pixels.begin());
    return fitted;
}

GlyphPaste PlanGlyphPaste(const Font& font, const GlyphClipboard& clipboard, int from) {
    GlyphPaste paste;
    paste.codes = SelectedCodes(font);
    if (paste.codes.empty())
        for (int code = std::max(from, 0); code < kGlyphCount; ++code)
            paste.codes.push_back(code);
    paste.codes.resize(std::min(paste.codes.size(), clipboard.glyphs.size()));
    for (std::size_t i = 0; i < paste.codes.size(); ++i)
        paste.glyphs.push_back(
            FitGlyphHeight(clipboard.glyphs[i].glyph, clipboard.height, font.FontHeight));
    if (!paste.codes.empty())
        paste.logLine = HeightNote("characters", clipboard.height, font.FontHeight);
    return paste;
}

std::optional<GlyphPaste> PlanPicturePaste(const Font& font, const GrayImage& picture, int code) {
    if (picture.width <= 0 || picture.height <= 0 || code < 0 || code >= kGlyphCount ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height)
        return std::nullopt;
    CharInfo glyph;
    glyph.Present = true;
    glyph.Width = static_cast<std::uint8_t>(std::min(picture.width, 255));
    const int bytesPerRow = glyph.BytesPerRow();
    glyph.Pixels.assign(static_cast<std::size_t>(bytesPerRow) * font.FontHeight, 0);
    const int rows = std::min(picture.height, static_cast<int>(font.FontHeight));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < glyph.Width; ++x)
            if (picture.IsInk(x, y))
                glyph.Pixels[static_cast<std::size_t>(y * bytesPerRow + x / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
    GlyphPaste paste;
    paste.codes.push_back(code);
    paste.glyphs.push_back(std::move(glyph));
    paste.logLine = HeightNote("picture", picture.height, font.FontHeight);
    return paste;
}

void ApplyGlyphPaste(Font& font, const GlyphPaste& paste) {
    for (std::size_t i = 0; i < paste.codes.size() && i < paste.glyphs.size(); ++i) {
        CharInfo& target = font.Glyph(paste.codes[i]);
        target = paste.glyphs[i];
        target.HasError = 0;
    }
}

}  // namespace gft
