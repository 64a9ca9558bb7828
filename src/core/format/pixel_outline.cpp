#include "format/pixel_outline.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "support/big_endian.h"

namespace gft {

namespace {

constexpr int kWords = InkGrid::kWords;

// The number of bits set. (std::popcount becomes a slow library call where
// the processor's own instruction cannot be assumed.)
int CountBits(std::uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555;
    word = (word & 0x3333333333333333) + ((word >> 2) & 0x3333333333333333);
    word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0F;
    return static_cast<int>((word * 0x0101010101010101) >> 56);
}

// The eight bits of a byte as eight bytes of 0 or 1, the highest bit first.
constexpr auto kBytesOfBits = [] {
    std::array<std::array<std::uint8_t, 8>, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        for (int bit = 0; bit < 8; ++bit)
            table[static_cast<std::size_t>(byte)][static_cast<std::size_t>(bit)] =
                static_cast<std::uint8_t>(byte >> (7 - bit) & 1);
    return table;
}();

// Bits numbered from the highest of the first word on: the first set bit
// after `position`, or the last one before it; -1 for none.
int SetBitAfter(const std::uint64_t* words, int count, int position) {
    const int from = position + 1;
    int k = from / 64;
    if (k >= count) return -1;
    std::uint64_t word = words[k] & (~std::uint64_t{0} >> (from % 64));
    while (word == 0) {
        if (++k == count) return -1;
        word = words[k];
    }
    return 64 * k + std::countl_zero(word);
}

int SetBitBefore(const std::uint64_t* words, int position) {
    const int from = position - 1;
    if (from < 0) return -1;
    int k = from / 64;
    std::uint64_t word = words[k] & (~std::uint64_t{0} << (63 - from % 64));
    while (word == 0) {
        if (k-- == 0) return -1;
        word = words[k];
    }
    return 64 * k + 63 - std::countr_zero(word);
}

// Directions along pixel edges, clockwise: a right turn is the next one.
enum Direction : int { kNorth, kEast, kSouth, kWest };

// Follows contours from corner to corner. Along an edge the next corner is
// the next one on the same row (or column) of corners in that direction,
// for wherever the pixels on either side change, the outline turns; so the
// corners are kept as bits per row and per column. The pixels are kept a
// byte each with the blank border: pixel (row, col) at (row + 1) * stride +
// col + 1; corner (x, y) is numbered y * stride + x, so that the pixels
// around it are at that number (top left), + 1 (top right), + stride
// (bottom left) and + stride + 1.
class Tracer {
  public:
    explicit Tracer(const InkGrid& grid)
        : stride_(grid.Width() + 2),
          rowWords_(grid.UsedWords()),
          columnWords_(grid.Height() / 64 + 1),
          ink_(static_cast<std::size_t>(stride_ * (grid.Height() + 2)) + 8, 0),
          used_(ink_.size(), 0),
          rows_(static_cast<std::size_t>((grid.Height() + 1) * rowWords_), 0),
          columns_(static_cast<std::size_t>((grid.Width() + 1) * columnWords_), 0),
          // The pixels ahead of a corner, left and right of the way on.
          left_{0, 1, stride_ + 1, stride_},
          right_{1, stride_ + 1, stride_, 0} {
        // Eight pixels at a time; a row's last eight may run into the next
        // row, which is written after it (or is the blank border row).
        for (int row = 0; row < grid.Height(); ++row) {
            const std::uint64_t* words = grid.PaddedRow(row);
            std::uint8_t* target = ink_.data() + static_cast<std::size_t>((row + 1) * stride_);
            for (int col = 0; col < stride_; col += 8) {
                const auto eight = static_cast<std::uint8_t>(words[col / 64] >> (56 - col % 64));
                std::memcpy(target + col, kBytesOfBits[eight].data(), 8);
            }
        }
        for (int y = 0; y <= grid.Height(); ++y) {
            const InkGrid::Corners corners = grid.CornersOfVertexRow(y);
            std::copy_n(corners.turns.begin(), rowWords_, Row(y));
            ForEachCorner(y,
                          [&](int x) { Column(x)[y / 64] |= std::uint64_t{1} << (63 - y % 64); });
        }
    }

    // Calls f(x) for each corner of row y where the outline turns, left to right.
    template <typename F>
    void ForEachCorner(int y, F f) const {
        const std::uint64_t* row = Row(y);
        for (int k = 0; k < rowWords_; ++k)
            for (std::uint64_t turns = row[k]; turns != 0;) {
                const int bit = std::countl_zero(turns);
                turns &= ~(std::uint64_t{1} << (63 - bit));
                f(64 * k + bit);
            }
    }

    // Every contour that starts at the corner (x, y) and is not traced yet:
    // a contour leaves a corner along an edge with ink on its right.
    void TraceFrom(int x, int y, PixelOutline& outline) {
        const int corner = y * stride_ + x;
        const bool topLeft = Ink(corner), topRight = Ink(corner + 1);
        const bool bottomLeft = Ink(corner + stride_), bottomRight = Ink(corner + stride_ + 1);
        const unsigned out =
            (topRight && !topLeft) << kNorth | (bottomRight && !topRight) << kEast |
            (bottomLeft && !bottomRight) << kSouth | (topLeft && !bottomLeft) << kWest;
        for (unsigned left = out & ~used_[static_cast<std::size_t>(corner)]; left != 0;
             left &= left - 1) {
            const int d = std::countr_zero(left);
            if (!(used_[static_cast<std::size_t>(corner)] >> d & 1)) Trace(x, y, d, outline);
        }
    }

  private:
    std::uint64_t* Row(int y) { return rows_.data() + static_cast<std::size_t>(y * rowWords_); }
    const std::uint64_t* Row(int y) const {
        return rows_.data() + static_cast<std::size_t>(y * rowWords_);
    }
    std::uint64_t* Column(int x) {
        return columns_.data() + static_cast<std::size_t>(x * columnWords_);
    }
    bool Ink(int at) const { return ink_[static_cast<std::size_t>(at)] != 0; }

    // From the corner (x, y) along direction d to the next corner.
    bool Move(int& x, int& y, int d) {
        switch (d) {
            case kNorth:
                y = SetBitBefore(Column(x), y);
                return y >= 0;
            case kEast:
                x = SetBitAfter(Row(y), rowWords_, x);
                return x >= 0;
            case kSouth:
                y = SetBitAfter(Column(x), columnWords_, y);
                return y >= 0;
            default:
                x = SetBitBefore(Row(y), x);
                return x >= 0;
        }
    }

    // Follows the edges from the corner until it is reached again. Ahead of
    // each corner: ink on both sides, a left turn; no ink on the right, a
    // right turn, which at a saddle (ink only ahead on the left) goes round
    // the pixel followed so far.
    void Trace(int x, int y, int d, PixelOutline& outline) {
        const int startX = x, startY = y, startDirection = d;
        do {
            const int corner = y * stride_ + x;
            outline.points.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
            used_[static_cast<std::size_t>(corner)] |= static_cast<std::uint8_t>(1 << d);
            if (!Move(x, y, d)) break;  // cannot be: every row of corners pairs up
            const int ahead = y * stride_ + x;
            d = Ink(ahead + right_[d]) ? (d + 3) % 4 : (d + 1) % 4;
        } while (x != startX || y != startY || d != startDirection);
        outline.contourEnds.push_back(static_cast<std::uint32_t>(outline.points.size()));
    }

    int stride_;
    int rowWords_;
    int columnWords_;
    std::vector<std::uint8_t> ink_;
    std::vector<std::uint8_t> used_;      // per corner, the directions it was left in
    std::vector<std::uint64_t> rows_;     // the corners, a bit each, by rows
    std::vector<std::uint64_t> columns_;  // and by columns
    int left_[4];
    int right_[4];
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
    const std::uint64_t* above = Row(r);
    const std::uint64_t* below = Row(r + 1);
    Corners corners{};
    for (int k = 0; k < UsedWords(); ++k) {
        // The bit of column x + 1 moved to the place of column x.
        const std::uint64_t aboveRight = above[k] << 1 | (k + 1 < kWords ? above[k + 1] >> 63 : 0);
        const std::uint64_t belowRight = below[k] << 1 | (k + 1 < kWords ? below[k + 1] >> 63 : 0);
        const std::uint64_t top = above[k] ^ aboveRight;
        const std::uint64_t bottom = below[k] ^ belowRight;
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
        for (int k = 0; k < grid.UsedWords(); ++k)
            points += CountBits(corners.turns[k]) + CountBits(corners.saddles[k]);
    }
    return points;
}

PixelOutline TraceOutline(const InkGrid& grid) {
    PixelOutline outline;
    outline.points.reserve(static_cast<std::size_t>(CountOutlinePoints(grid)));
    Tracer tracer(grid);
    // A contour's topmost, then leftmost point is a corner, and the first of
    // its points this scan meets.
    for (int y = 0; y <= grid.Height(); ++y)
        tracer.ForEachCorner(y, [&](int x) { tracer.TraceFrom(x, y, outline); });
    return outline;
}

}  // namespace gft
