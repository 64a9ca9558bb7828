#pragma once

#include <cstdint>
#include <vector>

#include "format/char_info.h"

namespace gft {

// The editor's cell grid picTable, in its own pixels: a pitch of p pixels a
// cell (16 in the window as it was laid out), a (p - 1) x (p - 1) cell at
// (col * p + 1, row * p + 1), 1-pixel grid lines, and under the rows a bar
// that shows which columns lie inside the width. Every column of the row
// bytes is a cell, beyond-width columns included. The window fits the pitch
// to its size; points on the grid are reported in the units of pitch 16.

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kGridLineColor{156, 131, 18};  // background and grid lines
inline constexpr Rgb kInkColor{64, 229, 43};        // a set pixel, any column
inline constexpr Rgb kInsideColor{60, 38, 0};       // clear pixel and bar inside the width
inline constexpr Rgb kBeyondColor{176, 195, 11};    // clear pixel and bar beyond the width

inline constexpr int kCellPitch = 16;
// The pitches a window may draw the grid at.
inline constexpr int kMinCellPitch = 4;
inline constexpr int kMaxCellPitch = 48;
// The scroll bars run 0..101 and start at 51, about the middle.
inline constexpr int kScrollMaximum = 101;
inline constexpr int kScrollStart = 51;

// A filled rectangle; both corners are included.
struct GridRect {
    int left, top, right, bottom;
    Rgb color;
    bool operator==(const GridRect&) const = default;
};

struct GridSize {
    int width, height;
    bool operator==(const GridSize&) const = default;
};

// Size of picTable: BytesPerRow * 8 * pitch + 1 by height * pitch + 5 pixels.
GridSize TableSize(const CharInfo& glyph, int height, int pitch = kCellPitch);

// The grid in a window's free area of width x height pixels: the largest
// pitch at which the whole grid fits, or the smallest pitch and scroll bars
// when it does not fit even then.
struct GridFit {
    int pitch = kCellPitch;
    bool scrolls = false;
    bool operator==(const GridFit&) const = default;
};
GridFit FitGrid(const CharInfo& glyph, int height, int width, int areaHeight);

// A point of a grid drawn at pitch, in the grid's units of pitch 16.
double TableUnits(double at, int pitch);

// Columns of the grid: all bits of a row, BytesPerRow * 8.
int GridColumns(const CharInfo& glyph);

// What DrawTable paints before the cells: the background, then the bar under
// the columns inside the width (when the width is above 0) and the bar under
// the beyond-width columns (when there are any).
std::vector<GridRect> TableBackground(const CharInfo& glyph, int height, int pitch = kCellPitch);

// The colour of the cell in column col, row row (0-based): ink when the pixel
// is set, else the inside or beyond-width colour by its column.
Rgb CellColor(const CharInfo& glyph, int col, int row);

// The rectangle DrawCell fills for a cell, with its colour.
GridRect CellRect(const CharInfo& glyph, int col, int row, int pitch = kCellPitch);

// Where a scroll bar places the grid in the frame: the grid's left (or top)
// for scroll value `value`, a grid of tableSize and a frame of frameSize
// pixels. A grid smaller than the frame gets a positive offset.
int ScrollOffset(int value, int tableSize, int frameSize, int maximum = kScrollMaximum);

}  // namespace gft
