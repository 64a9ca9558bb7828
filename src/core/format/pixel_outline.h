#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "format/char_info.h"

namespace gft {

// The ink of a glyph inside its width, one bit a pixel, with a blank border
// around it so that the pixels next to the cell read as background.
class InkGrid {
  public:
    InkGrid(const CharInfo& glyph, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Rows -1..Height() and columns -1..Width(); outside the cell is blank.
    bool Ink(int row, int col) const {
        const int bit = col + 1;
        return (Row(row + 1)[bit / 64] >> (63 - bit % 64)) & 1;
    }
    // The kWords words of a row (-1..Height()): column c at bit c + 1, the
    // highest bit of the first word first.
    const std::uint64_t* PaddedRow(int row) const { return Row(row + 1); }

    // Per vertex row (the pixel corners between rows r - 1 and r, r in
    // 0..Height()): the corners where an outline turns, one bit a vertex,
    // vertex x at the bit of border column x. Saddles (two pixels touching
    // only at that corner) are marked in `saddles` too; an outline turns
    // there twice.
    static constexpr int kWords = 5;  // a border column, 255 pixels, a border column
    using Words = std::array<std::uint64_t, kWords>;
    struct Corners {
        Words turns;
        Words saddles;
    };
    Corners CornersOfVertexRow(int r) const;
    // The words of a row that can hold ink or a corner.
    int UsedWords() const { return (width_ + 1) / 64 + 1; }

  private:
    const std::uint64_t* Row(int paddedRow) const {
        return bits_.data() + static_cast<std::size_t>(paddedRow) * kWords;
    }
    int width_;
    int height_;
    std::vector<std::uint64_t> bits_;  // Height() + 2 rows of kWords
};

// A point of an outline: a pixel corner, x counted in pixels from the
// glyph's left edge, y in pixels down from its top edge.
struct OutlinePoint {
    std::int16_t x;
    std::int16_t y;
};

// Closed contours along pixel edges: the union of a glyph's ink squares.
// Each contour keeps the ink on its right as it runs (seen with the glyph
// upright), so outer contours run clockwise and holes counter-clockwise, as
// TrueType wants them. Points are only where the direction changes.
struct PixelOutline {
    std::vector<OutlinePoint> points;
    std::vector<std::uint32_t> contourEnds;  // one past each contour's last point

    int Contours() const { return static_cast<int>(contourEnds.size()); }
    std::uint32_t ContourStart(int contour) const {
        return contour == 0 ? 0 : contourEnds[static_cast<std::size_t>(contour - 1)];
    }
};

// How many points the outline of the grid has, counted without tracing it.
int CountOutlinePoints(const InkGrid& grid);

// Traces the outline of the grid. Pixels that touch only at a corner belong
// to different contours (ink is joined through edges only, background
// through corners too): a contour arriving at such a corner turns towards
// the ink it follows, so contours meet at that point but never cross or
// overlap. Contours are ordered by their topmost, then leftmost point,
// where each starts.
PixelOutline TraceOutline(const InkGrid& grid);

}  // namespace gft
