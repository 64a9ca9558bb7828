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

// The lowest row with ink inside the width; -1 when there is none.
int LowestInkRow(const CharInfo& glyph, int height) {
    const Bytes rows = VisibleBits(glyph, height);
    const int bytesPerRow = glyph.BytesPerRow();
    for (int row = height - 1; row >= 0; --row) {
        const auto start = rows.begin() + row * bytesPerRow;
        if (std::any_of(start, start + bytesPerRow, [](std::uint8_t byte) { return byte != 0; }))
            return row;
    }
    return -1;
}

// The codes of glyphs that sit on the baseline: digits and the capitals
// without a descender.
bool SitsOnBaseline(int code) {
    return (code >= '0' && code <= '9') ||
           (code >= 'A' && code <= 'Z' && code != 'J' && code != 'Q');
}

}  // namespace

int EstimateBaseline(const Font& font) {
    const int height = font.FontHeight;
    std::map<int, int> votes;  // rows above the baseline, how many glyphs say so
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& glyph = font.Glyph(code);
        if (!SitsOnBaseline(code) || !glyph.Present || !FitsHeight(glyph, height)) continue;
        if (const int lowest = LowestInkRow(glyph, height); lowest >= 0) ++votes[lowest + 1];
    }
    int baseline = height, most = 0;
    for (const auto& [rows, count] : votes)
        if (count >= most) {
            baseline = rows;
            most = count;
        }
    return baseline;
}

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
        const CharInfo& glyph = font.Glyph(code);
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
