#include "glyph_pattern.h"

namespace gft::test {

CharInfo GlyphOf(int width, const std::vector<std::string>& rows) {
    CharInfo glyph;
    glyph.Present = true;
    glyph.Width = static_cast<std::uint8_t>(width);
    const int bytesPerRow = glyph.BytesPerRow();
    glyph.Pixels.assign(rows.size() * static_cast<std::size_t>(bytesPerRow), 0);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t col = 0; col < rows[row].size(); ++col)
            if (rows[row][col] == '#' || rows[row][col] == '+')
                glyph.Pixels[row * static_cast<std::size_t>(bytesPerRow) + col / 8] |=
                    static_cast<std::uint8_t>(0x80u >> (col % 8));
    return glyph;
}

std::vector<std::string> RowsOf(const CharInfo& glyph, int height) {
    std::vector<std::string> rows;
    const int bytesPerRow = glyph.BytesPerRow();
    for (int row = 0; row < height; ++row) {
        std::string text;
        for (int col = 0; col < bytesPerRow * 8; ++col) {
            const bool ink = glyph.Pixels[static_cast<std::size_t>(row * bytesPerRow + col / 8)] &
                             (0x80u >> (col % 8));
            text += col < glyph.Width ? (ink ? '#' : '.') : (ink ? '+' : ',');
        }
        rows.push_back(text);
    }
    return rows;
}

}  // namespace gft::test
