#include "format/pixel_outline.h"

#include <algorithm>
#include <bit>

#include "support/big_endian.h"

namespace gft {

namespace {

// The number of bits set. (std::popcount becomes a slow library call where
// the processor's own instruction cannot be assumed.)
int CountBits(std::uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555;
    word = (word & 0x3333333333333333) + ((word >> 2) & 0x3333333333333333);
    word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0F;
    return static_cast<int>((word * 0x0101010101010101) >> 56);
}

constexpr std::uint64_t kFirstBit = std::uint64_t{1} << 63;

}  // namespace

void InkGrid::Load(const CharInfo& glyph, int height) {
    width_ = glyph.Width;
    height_ = height;
    // Columns -1..width, and the blank word that follows.
    stride_ = (width_ + 1) / 64 + 2;
    const int words = (width_ + 63) / 64;  // of pixels
    // The visible pixels of the last word; none for a glyph of no width.
    const std::uint64_t lastWord = words == 0 ? 0 : ~std::uint64_t{0} << (64 * words - width_);
    bits_.resize(static_cast<std::size_t>((height + 2) * stride_));
    std::fill_n(bits_.begin(), stride_, 0);
    std::fill_n(bits_.end() - stride_, stride_, 0);
    std::uint64_t columns[kMaxWords] = {};
    box_ = {width_, height_, 0, 0};
    const int bytesPerRow = glyph.BytesPerRow();
    const std::uint8_t* const end = glyph.Pixels.data() + glyph.Pixels.size();
    const auto load = [end](const std::uint8_t* bytes) {
        return end - bytes >= 8 ? LoadBigEndian64(bytes)
                                : LoadBigEndian64(bytes, static_cast<std::size_t>(end - bytes));
    };
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* bytes = glyph.Pixels.data() + row * bytesPerRow;
        std::uint64_t* target = bits_.data() + static_cast<std::size_t>((row + 1) * stride_);
        std::uint64_t ink = 0;
        if (stride_ == 2) {
            // Narrower than 64 pixels, the most common: one word.
            ink = load(bytes) & lastWord;
            target[0] = ink >> 1;
            target[1] = 0;
            columns[0] |= ink;
        } else {
            // One bit to the right, for the blank border column on the left.
            std::uint64_t carry = 0;
            for (int k = 0; k < words; ++k, bytes += 8) {
                const std::uint64_t pixels =
                    load(bytes) & (k + 1 < words ? ~std::uint64_t{0} : lastWord);
                target[k] = carry | pixels >> 1;
                carry = pixels << 63;
                columns[k] |= pixels;
                ink |= pixels;
            }
            for (int k = words; k < stride_; ++k, carry = 0)
                target[k] = carry;
        }
        if (ink != 0) {
            box_.top = std::min(box_.top, row);
            box_.bottom = row + 1;
        }
    }
    for (int k = words - 1; k >= 0; --k)
        if (columns[k] != 0) box_.left = 64 * k + std::countl_zero(columns[k]);
    for (int k = 0; k < words; ++k)
        if (columns[k] != 0) box_.right = 64 * k + 64 - std::countr_zero(columns[k]);
}

int CountOutlinePoints(const InkGrid& grid) {
    int points = 0;
    for (int y = grid.InkBox().top; y <= grid.InkBox().bottom; ++y)
        for (int k = 0; k < grid.Words(); ++k) {
            const CornerWord corners = CornersAt(grid, y, k);
            points += CountBits(corners.turns) + CountBits(corners.saddles);
        }
    return points;
}

std::uint32_t OutlineTracer::FindTurns(const InkGrid& grid, int points) {
    // The vertical links, then per column the turn whose edge runs down
    // from it (a turn met before any in the column, for a start).
    const auto columns = static_cast<std::size_t>(points) + 1;
    if (turns_.size() < columns) turns_.resize(columns);
    const std::size_t links = columns + static_cast<std::size_t>(grid.Width()) + 1;
    if (links_.size() < links) links_.resize(links);
    std::fill(links_.begin() + static_cast<std::ptrdiff_t>(columns),
              links_.begin() + static_cast<std::ptrdiff_t>(links), 0);
    std::uint16_t* const turns = turns_.data();
    std::uint32_t* const vertical = links_.data();
    std::uint32_t count = 0;
    for (int y = grid.InkBox().top; y <= grid.InkBox().bottom; ++y)
        for (int k = 0; k < grid.Words(); ++k) {
            const CornerWord corners = CornersAt(grid, y, k);
            // Bits counted from the right: x is last - bit.
            const std::size_t last = 64 * static_cast<std::size_t>(k) + 63;
            const std::size_t lastTurn = (static_cast<std::size_t>(y) << 8) + last;
            const std::size_t lastColumn = columns + last;
            // One turn, or a saddle's two, of which one ends the edge from
            // above (linked with the turn above) and one starts the edge
            // down (left for the column): either or both. A saddle's first
            // turn, or a turn of its own, that ends the edge from above:
            const std::uint64_t ends = corners.saddles | corners.firstFromAbove;
            const std::uint64_t secondEnds = corners.saddles & ~corners.firstFromAbove;
            const std::uint64_t secondStarts = corners.saddles & corners.firstFromAbove;
            for (std::uint64_t left = corners.turns; left != 0;) {
                const auto bit = static_cast<unsigned>(std::bit_width(left)) - 1;
                left ^= std::uint64_t{1} << bit;
                const std::size_t column = lastColumn - bit;
                const std::uint32_t above = vertical[column];
                const std::uint32_t up = count + static_cast<std::uint32_t>(secondEnds >> bit & 1);
                const std::uint32_t down =
                    count + static_cast<std::uint32_t>(secondStarts >> bit & 1);
                vertical[up] = above;
                // Where the turn does not end an edge, the column's entry
                // takes the store: it is written next anyway. (Chosen
                // without a branch: in a noisy glyph either comes at random.)
                const std::size_t ending = 0 - (ends >> bit & 1);
                vertical[column ^ ((above ^ column) & ending)] = up;
                vertical[column] = down;
                const auto turn = static_cast<std::uint16_t>(lastTurn - bit);
                turns[count] = turn;
                turns[count + 1] = turn;
                count += 1 + static_cast<std::uint32_t>(corners.saddles >> bit & 1);
            }
        }
    traced_.assign(count, 0);
    return count;
}

}  // namespace gft
