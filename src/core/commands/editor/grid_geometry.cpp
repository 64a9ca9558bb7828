#include "commands/editor/grid_geometry.h"

#include <cmath>

#include "format/glyph_rows.h"

namespace gft {

GridSize TableSize(const CharInfo& glyph, int height) {
    return {glyph.BytesPerRow() * 8 * kCellPitch + 1, height * kCellPitch + 5};
}

int GridColumns(const CharInfo& glyph) {
    return glyph.BytesPerRow() * 8;
}

std::vector<GridRect> TableBackground(const CharInfo& glyph, int height) {
    const int rowsEnd = height * kCellPitch;
    const int columnsEnd = GridColumns(glyph) * kCellPitch;
    const int widthEnd = glyph.Width * kCellPitch;
    std::vector<GridRect> rects{{0, 0, columnsEnd, rowsEnd + 4, kGridLineColor}};
    if (glyph.Width > 0) rects.push_back({1, rowsEnd + 1, widthEnd - 1, rowsEnd + 3, kInsideColor});
    if (GridColumns(glyph) != glyph.Width)
        rects.push_back({widthEnd + 1, rowsEnd + 1, columnsEnd - 1, rowsEnd + 3, kBeyondColor});
    return rects;
}

Rgb CellColor(const CharInfo& glyph, int col, int row) {
    if (PixelAt(glyph, row, col)) return kInkColor;
    return col < glyph.Width ? kInsideColor : kBeyondColor;
}

GridRect CellRect(const CharInfo& glyph, int col, int row) {
    const int left = col * kCellPitch + 1;
    const int top = row * kCellPitch + 1;
    return {left, top, left + kCellPitch - 2, top + kCellPitch - 2, CellColor(glyph, col, row)};
}

int ScrollOffset(int value, int tableSize, int frameSize, int maximum) {
    if (maximum <= 0) return 0;
    const double offset = static_cast<double>(value) * (tableSize - frameSize) / maximum;
    return static_cast<int>(-std::lround(offset));
}

}  // namespace gft
