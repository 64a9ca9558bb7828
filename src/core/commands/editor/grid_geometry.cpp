#include "commands/editor/grid_geometry.h"

#include <algorithm>
#include <cmath>

#include "format/glyph_rows.h"

namespace gft {

GridSize TableSize(const CharInfo& glyph, int height, int pitch) {
    return {GridColumns(glyph) * pitch + 1, height * pitch + 5};
}

GridFit FitGrid(const CharInfo& glyph, int height, int width, int areaHeight) {
    const int byWidth = (width - 1) / GridColumns(glyph);
    const int byHeight = height > 0 ? (areaHeight - 5) / height : kMaxCellPitch;
    const int pitch = std::min({byWidth, byHeight, kMaxCellPitch});
    if (pitch < kMinCellPitch) return {kMinCellPitch, true};
    return {pitch, false};
}

double TableUnits(double at, int pitch) {
    return std::floor(at * kCellPitch / pitch);
}

int GridColumns(const CharInfo& glyph) {
    return glyph.BytesPerRow() * 8;
}

std::vector<GridRect> TableBackground(const CharInfo& glyph, int height, int pitch) {
    const int rowsEnd = height * pitch;
    const int columnsEnd = GridColumns(glyph) * pitch;
    const int widthEnd = glyph.Width * pitch;
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

GridRect CellRect(const CharInfo& glyph, int col, int row, int pitch) {
    const int left = col * pitch + 1;
    const int top = row * pitch + 1;
    return {left, top, left + pitch - 2, top + pitch - 2, CellColor(glyph, col, row)};
}

int ScrollOffset(int value, int tableSize, int frameSize, int maximum) {
    if (maximum <= 0) return 0;
    const double offset = static_cast<double>(value) * (tableSize - frameSize) / maximum;
    return static_cast<int>(-std::lround(offset));
}

}  // namespace gft
