#include "format/glyph_dump.h"

#include <cstdio>

#include "format/glyph_analysis.h"

namespace gft {

std::string DumpGlyph(const Font& font, int code) {
    return DumpGlyph(font.Glyph(code), font.FontHeight, code, font.Selection(code) != 0);
}

std::string DumpGlyph(const CharInfo& glyph, int height, int code, bool selected) {
    char heading[96];
    std::snprintf(heading, sizeof heading, "Character %d ($%X) width %d, %s%s%s\n", code, code,
                  glyph.Width, glyph.Present ? "present" : "absent",
                  glyph.HasError ? ", error" : "", selected ? ", selected" : "");
    std::string text = heading;
    const int bytesPerRow = glyph.BytesPerRow();
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < bytesPerRow * 8; ++col) {
            const std::size_t at = static_cast<std::size_t>(row * bytesPerRow + col / 8);
            const bool ink = at < glyph.Pixels.size() && (glyph.Pixels[at] & (0x80 >> (col % 8)));
            if (col < glyph.Width)
                text += ink ? '#' : '.';
            else
                text += ink ? '+' : ',';
        }
        text += '\n';
    }
    return text;
}

std::string FontInfo(const Font& font) {
    int present = 0, errors = 0, selected = 0;
    for (int c = 0; c < kGlyphCount; ++c) {
        present += font.Glyph(c).Present;
        errors += font.Glyph(c).HasError != 0;
        selected += font.Selection(c) != 0;
    }
    std::string text = "height: " + std::to_string(font.FontHeight) + "\n";
    text += "baseline: " + std::to_string(EstimateBaseline(font)) + "\n";
    text += "max width: " + std::to_string(font.MaxWidth) + "\n";
    text += "present: " + std::to_string(present) + "\n";
    text += "absent: " + std::to_string(kGlyphCount - present) + "\n";
    text += "errors: " + std::to_string(errors) + "\n";
    text += "selected: " + std::to_string(selected) + "\n";
    return text + "attributes: " + AttributeBytes(font) + "\n";
}

std::string AttributeBytes(const Font& font) {
    std::string text;
    for (const auto byte : font.AttrSection) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        if (!text.empty()) text += ' ';
        text += hex;
    }
    return text;
}

}  // namespace gft
