#include "format/glyph_analysis.h"

#include <algorithm>
#include <map>

#include "format/glyph_rows.h"

namespace gft {

namespace {

// A glyph's rows with the bits beyond its width cleared.
Bytes VisibleBits(const CharInfo& glyph, int height) {
    Bytes rows = glyph.Pixels;
    const int bytesPerRow = glyph.BytesPerRow();
    const int spare = bytesPerRow * 8 - glyph.Width;
    if (spare == 0) return rows;
    const auto mask = static_cast<std::uint8_t>(0xFF << std::min(spare, 8));
    for (int row = 0; row < height; ++row)
        rows[static_cast<std::size_t>((row + 1) * bytesPerRow - 1)] &= mask;
    return rows;
}

// The rightmost column inside the width that holds ink; -1 when none does.
int RightmostInk(const CharInfo& glyph, int height) {
    for (int col = glyph.Width - 1; col >= 0; --col)
        if (ColumnHasInk(glyph, height, col)) return col;
    return -1;
}

}  // namespace

std::uint8_t WidestGlyph(const Font& font) {
    std::uint8_t widest = 0;
    for (const CharInfo& glyph : font.Chars)
        widest = std::max(widest, glyph.Width);
    return widest;
}

std::vector<std::vector<int>> FindDuplicateGroups(const Font& font) {
    const int height = font.FontHeight;
    std::map<std::pair<int, Bytes>, std::vector<int>> byLook;
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& glyph = font.Chars[code];
        if (!glyph.Present || !FitsHeight(glyph, height)) continue;
        byLook[{glyph.Width, VisibleBits(glyph, height)}].push_back(code);
    }
    std::vector<std::vector<int>> groups;
    for (auto& entry : byLook)
        if (entry.second.size() > 1) groups.push_back(std::move(entry.second));
    std::sort(groups.begin(), groups.end());
    return groups;
}

bool FitWidthToInk(CharInfo& glyph, int height, int spacing) {
    if (!FitsHeight(glyph, height)) return false;
    const int ink = RightmostInk(glyph, height);
    if (ink < 0) return false;
    const CharInfo before = glyph;
    const int oldWidth = glyph.Width;
    const int width = std::min(ink + 1 + std::max(spacing, 0), 255);
    ResizeWidth(glyph, height, width);
    for (int row = 0; row < height; ++row)
        for (int col = oldWidth; col < width; ++col)
            SetPixel(glyph, row, col, false);
    return !GlyphsEqual(glyph, before);
}

}  // namespace gft
