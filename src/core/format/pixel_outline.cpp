#include "format/pixel_outline.h"

#include <algorithm>
#include <bit>

#include "support/big_endian.h"

namespace gft {

namespace {

using Words = InkGrid::Words;
constexpr int kWords = InkGrid::kWords;

// The words moved one bit towards the left edge: the bit of column x + 1
// comes to the place of column x.
Words NextColumn(const Words& words) {
    Words moved{};
    for (int k = 0; k < kWords; ++k)
        moved[k] = words[k] << 1 | (k + 1 < kWords ? words[k + 1] >> 63 : 0);
    return moved;
}

// Directions along pixel edges, clockwise; a right turn is the next one.
enum Direction : int { kNorth, kEast, kSouth, kWest };
constexpr int kStepX[] = {0, 1, 0, -1};
constexpr int kStepY[] = {-1, 0, 1, 0};

// The edges that leave the corner (x, y) with ink on their right: one at a
// corner on the outline, two at a saddle, none elsewhere. Bit d is direction d.
unsigned EdgesOut(const InkGrid& grid, int x, int y) {
    const bool topLeft = grid.Ink(y - 1, x - 1), topRight = grid.Ink(y - 1, x);
    const bool bottomLeft = grid.Ink(y, x - 1), bottomRight = grid.Ink(y, x);
    return (topRight && !topLeft) << kNorth | (bottomRight && !topRight) << kEast |
           (bottomLeft && !bottomRight) << kSouth | (topLeft && !bottomLeft) << kWest;
}

class Tracer {
  public:
    explicit Tracer(const InkGrid& grid)
        : grid_(grid),
          columns_(grid.Width() + 1),
          used_(static_cast<std::size_t>(columns_ * (grid.Height() + 1)), 0) {}

    // Every contour that starts at the corner (x, y) and is not traced yet.
    void TraceFrom(int x, int y, PixelOutline& outline) {
        const unsigned out = EdgesOut(grid_, x, y);
        for (int d = kNorth; d <= kWest; ++d)
            if ((out >> d & 1) && !(Used(x, y) >> d & 1)) Trace(x, y, d, outline);
    }

  private:
    std::uint8_t& Used(int x, int y) { return used_[static_cast<std::size_t>(y * columns_ + x)]; }

    // Follows the edges from the corner until it is reached again. At a
    // saddle the contour turns right, round the pixel it follows.
    void Trace(int startX, int startY, int startDirection, PixelOutline& outline) {
        int x = startX, y = startY, d = startDirection;
        outline.points.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
        Used(x, y) |= static_cast<std::uint8_t>(1 << d);
        for (;;) {
            x += kStepX[d];
            y += kStepY[d];
            const unsigned out = EdgesOut(grid_, x, y);
            const int next = std::popcount(out) == 1 ? std::countr_zero(out) : (d + 1) % 4;
            if (next != d) {
                if (x == startX && y == startY && next == startDirection) break;
                outline.points.push_back(
                    {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
                Used(x, y) |= static_cast<std::uint8_t>(1 << next);
            }
            d = next;
        }
        outline.contourEnds.push_back(static_cast<std::uint32_t>(outline.points.size()));
    }

    const InkGrid& grid_;
    int columns_;
    std::vector<std::uint8_t> used_;  // per corner, the directions already left by
};

}  // namespace

InkGrid::InkGrid(const CharInfo& glyph, int height)
    : width_(glyph.Width),
      height_(height),
      bits_(static_cast<std::size_t>(height + 2) * kWords, 0) {
    const int bytesPerRow = glyph.BytesPerRow();
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* bytes = glyph.Pixels.data() + row * bytesPerRow;
        Words pixels{};
        for (int k = 0; k * 8 < bytesPerRow; ++k) {
            const int visible = std::clamp(width_ - 64 * k, 0, 64);
            const std::uint64_t mask = visible == 0 ? 0 : ~std::uint64_t{0} << (64 - visible);
            const auto count = static_cast<std::size_t>(std::min(8, bytesPerRow - 8 * k));
            pixels[k] = LoadBigEndian64(bytes + 8 * k, count) & mask;
        }
        // One bit to the right, for the blank border column on the left.
        std::uint64_t* target = bits_.data() + static_cast<std::size_t>(row + 1) * kWords;
        for (int k = 0; k < kWords; ++k)
            target[k] = pixels[k] >> 1 | (k > 0 ? pixels[k - 1] << 63 : 0);
    }
}

InkGrid::Corners InkGrid::CornersOfVertexRow(int r) const {
    Words above{}, below{};
    std::copy_n(Row(r), kWords, above.begin());
    std::copy_n(Row(r + 1), kWords, below.begin());
    const Words aboveRight = NextColumn(above), belowRight = NextColumn(below);
    Corners corners{};
    for (int k = 0; k < kWords; ++k) {
        const std::uint64_t top = above[k] ^ aboveRight[k];
        const std::uint64_t bottom = below[k] ^ belowRight[k];
        // One or three inked pixels around a corner: the outline turns once.
        // Two diagonal ones: a saddle, where it turns twice.
        corners.saddles[k] = top & bottom & (above[k] ^ below[k]);
        corners.turns[k] = (top ^ bottom) | corners.saddles[k];
    }
    return corners;
}

int CountOutlinePoints(const InkGrid& grid) {
    int points = 0;
    for (int r = 0; r <= grid.Height(); ++r) {
        const InkGrid::Corners corners = grid.CornersOfVertexRow(r);
        for (int k = 0; k < kWords; ++k)
            points += std::popcount(corners.turns[k]) + std::popcount(corners.saddles[k]);
    }
    return points;
}

PixelOutline TraceOutline(const InkGrid& grid) {
    PixelOutline outline;
    Tracer tracer(grid);
    // A contour's topmost, then leftmost point is a corner, and the first of
    // its points this scan meets.
    for (int y = 0; y <= grid.Height(); ++y) {
        const InkGrid::Corners corners = grid.CornersOfVertexRow(y);
        for (int k = 0; k < kWords; ++k)
            for (std::uint64_t turns = corners.turns[k]; turns != 0;) {
                const int bit = std::countl_zero(turns);
                turns &= ~(std::uint64_t{1} << (63 - bit));
                tracer.TraceFrom(64 * k + bit, y, outline);
            }
    }
    return outline;
}

}  // namespace gft
