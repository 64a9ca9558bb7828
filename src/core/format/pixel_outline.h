#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "format/char_info.h"

namespace gft {

// A box of pixel corners: x counted in pixels from a glyph's left edge, y
// in pixels down from its top edge.
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;
};

// The ink of a glyph inside its width, one bit a pixel, with a blank border
// around it so that the pixels next to the cell read as background. One
// grid is loaded with glyph after glyph, keeping its room.
class InkGrid {
  public:
    void Load(const CharInfo& glyph, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Rows -1..Height() and columns -1..Width(); outside the cell is blank.
    bool Ink(int row, int col) const {
        const int bit = col + 1;
        return (PaddedRow(row)[bit / 64] >> (63 - bit % 64)) & 1;
    }
    // The words of a row (-1..Height()) that can hold ink or a corner, and
    // one blank word after them: column c at bit c + 1, the highest bit of
    // the first word first.
    const std::uint64_t* PaddedRow(int row) const {
        return bits_.data() + static_cast<std::size_t>((row + 1) * stride_);
    }
    int Words() const { return stride_ - 1; }
    // The corners around the ink; with no ink, top is below bottom.
    const PixelBox& InkBox() const { return box_; }

    static constexpr int kMaxWords = 4;  // of pixels in a row

  private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 1;
    PixelBox box_{};
    std::vector<std::uint64_t> bits_;  // Height() + 2 rows of stride_ words
};

// The pixel corners of a word of a vertex row (the corners between pixel
// rows y - 1 and y, y in 0..Height()) where an outline turns, one bit a
// corner, corner x at the bit of border column x.
struct CornerWord {
    std::uint64_t turns;
    // Two pixels touching only at the corner: two outlines turn there.
    std::uint64_t saddles;
    // Of each turn, whether the first outline through it (the one along
    // the edge on its left) comes from the corner above rather than going
    // on to the one below.
    std::uint64_t firstFromAbove;
};

inline CornerWord CornersAt(const InkGrid& grid, int y, int word) {
    const std::uint64_t* above = grid.PaddedRow(y - 1) + word;
    const std::uint64_t* below = grid.PaddedRow(y) + word;
    // The bit of column x + 1 moved to the place of column x: the pixels
    // right of each corner.
    const std::uint64_t aboveRight = above[0] << 1 | above[1] >> 63;
    const std::uint64_t belowRight = below[0] << 1 | below[1] >> 63;
    const std::uint64_t edgeAbove = above[0] ^ aboveRight;
    const std::uint64_t edgeBelow = below[0] ^ belowRight;
    // One or three inked pixels around a corner: the outline turns once.
    // Two diagonal ones: a saddle, where it turns twice.
    const std::uint64_t saddles = edgeAbove & edgeBelow & (above[0] ^ below[0]);
    // At a saddle the outline along the left edge goes round the pixel on
    // that edge's side: up if that is the top left one.
    return {(edgeAbove ^ edgeBelow) | saddles, saddles, edgeAbove & ~(saddles & ~above[0])};
}

// How many points the outline of a glyph's ink inside its width has,
// counted without tracing it.
int CountOutlinePoints(const CharInfo& glyph, int height);

// The most points the outline of a glyph of that size can have: below it,
// counting first is of no use.
constexpr int MostOutlinePoints(int width, int height) {
    return 2 * (width + 1) * (height + 1);
}

// Traces the closed contours along pixel edges that make the union of a
// glyph's ink squares, glyph after glyph, keeping its room. Each contour
// keeps the ink on its right as it runs (seen with the glyph upright), so
// outer contours run clockwise and holes counter-clockwise, as TrueType
// wants them; it has points only where its direction changes, so that it
// runs across and up or down in turn.
//
// Pixels that touch only at a corner belong to different contours (ink is
// joined through edges only, background through corners too): a contour
// arriving at such a corner turns towards the ink it follows, so contours
// meet at that point but never cross or overlap. Contours come ordered by
// their topmost, then leftmost point, where each starts.
class OutlineTracer {
  public:
    // Draws the outline of a grid of at most `points` points
    // (CountOutlinePoints, or MostOutlinePoints of its size) with the pen:
    // for each contour pen.Start(x, y) at its first point, then
    // pen.Across(x) and pen.UpOrDown(y) in turn with each next point (the
    // other coordinate stays), in either order, then pen.End(). A point is a
    // pixel corner, x counted in pixels from the glyph's left edge, y in
    // pixels down from its top edge.
    template <typename Pen>
    void Trace(const InkGrid& grid, int points, Pen& pen);

  private:
    // Every point of every contour, a turn, numbered row by row from left
    // to right; a saddle's two turns in a row, the left edge's first. On
    // each row they pair up along the horizontal edges: turn t with t ^ 1;
    // and in each column along the vertical ones, which FindTurns links.
    // Returns how many there are.
    std::uint32_t FindTurns(const InkGrid& grid, int points);

    std::vector<std::uint16_t> turns_;  // x + 256 y
    std::vector<std::uint32_t> links_;  // the turn at the other end of its vertical edge
    // A bit per horizontal edge (turns t and t + 1, t even), set until the
    // edge is traced.
    std::vector<std::uint64_t> untraced_;
};

template <typename Pen>
void OutlineTracer::Trace(const InkGrid& grid, int points, Pen& drawing) {
    const std::uint32_t count = FindTurns(grid, points);
    const std::uint16_t* const turns = turns_.data();
    const std::uint32_t* const vertical = links_.data();
    std::uint64_t* const untraced = untraced_.data();
    const auto trace = [untraced](std::uint32_t turn) {
        untraced[turn / 128] &= ~(std::uint64_t{1} << (turn / 2 % 64));
    };
    // Drawn with a copy of its own, which the compiler can keep in
    // registers: the bytes the pen writes could be the original's.
    Pen pen = drawing;
    // The first turn of a contour met in order is its top left point, whose
    // edges run right and down; any other has an edge to a turn met before.
    // The next is found a word of edges at a time, not by testing each.
    for (std::uint32_t word = 0; 128 * word < count; ++word)
        while (untraced[word] != 0) {
            const std::uint32_t start =
                128 * word + 2 * static_cast<std::uint32_t>(std::countr_zero(untraced[word]));
            std::uint32_t at = start;
            const std::ptrdiff_t x = turns[at] & 0xFF, y = turns[at] >> 8;
            pen.Start(x, y);
            if (grid.Ink(static_cast<int>(y), static_cast<int>(x))) {
                // Ink below on the right: an outer contour, leaving to the right.
                for (;;) {
                    at ^= 1;
                    trace(at);
                    pen.Across(std::ptrdiff_t{turns[at]} & 0xFF);
                    at = vertical[at];
                    if (at == start) break;
                    pen.UpOrDown(std::ptrdiff_t{turns[at]} >> 8);
                }
            } else {
                // A hole, leaving downwards.
                for (;;) {
                    at = vertical[at];
                    pen.UpOrDown(std::ptrdiff_t{turns[at]} >> 8);
                    at ^= 1;
                    trace(at);
                    if (at == start) break;
                    pen.Across(std::ptrdiff_t{turns[at]} & 0xFF);
                }
            }
            pen.End();
        }
    drawing = pen;
}

}  // namespace gft
