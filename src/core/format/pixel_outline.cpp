#include "format/pixel_outline.h"

#include <algorithm>
#include <bit>

#include "support/big_endian.h"

namespace gft {

namespace {

// Two words side by side, worked on at once (with the processor's vector
// instructions where it has them).
using WordPair = std::uint64_t __attribute__((vector_size(16)));

// The number of bits set in each byte. (std::popcount becomes a slow
// library call where the processor's own instruction cannot be assumed.)
WordPair BitsPerByte(WordPair words) {
    const WordPair m1 = {0x5555555555555555, 0x5555555555555555};
    const WordPair m2 = {0x3333333333333333, 0x3333333333333333};
    const WordPair m4 = {0x0F0F0F0F0F0F0F0F, 0x0F0F0F0F0F0F0F0F};
    words -= (words >> 1) & m1;
    words = (words & m2) + ((words >> 2) & m2);
    return (words + (words >> 4)) & m4;
}

// The number of bits set in the two words.
std::uint32_t CountBits(std::uint64_t first, std::uint64_t second) {
    const WordPair bytes = BitsPerByte(WordPair{first, second});
    return static_cast<std::uint32_t>(((bytes[0] + bytes[1]) * 0x0101010101010101) >> 56);
}

// Pairs of vertex rows whose counts of bits per byte can be added up in a
// byte: up to eight a word, and words of up to 255 pixels.
constexpr int kRowPairsPerSum = 255 / 8 / InkGrid::kMaxWords;

// Reads the rows of a glyph's pixels inside its width as words: pixel
// column c at bit c, counted from the highest bit of the first word.
class RowReader {
  public:
    RowReader(const CharInfo& glyph, int height)
        : glyph_(glyph),
          height_(height),
          words_((glyph.Width + 63) / 64),
          lastWord_(words_ == 0 ? 0 : ~std::uint64_t{0} << (64 * words_ - glyph.Width)) {
        // Rows whose words can all be read whole without reading past the end.
        const auto size = static_cast<int>(glyph.Pixels.size());
        wholeRows_ = size < 8 * words_ ? 0 : (size - 8 * words_) / glyph.BytesPerRow() + 1;
    }
    int Words() const { return words_; }

    // Rows outside the glyph are blank.
    void Read(int row, std::uint64_t* words) const {
        if (row >= height_) {
            std::fill_n(words, words_, 0);
            return;
        }
        const std::uint8_t* bytes = glyph_.Pixels.data() + row * glyph_.BytesPerRow();
        if (row < wholeRows_) {
            for (int k = 0; k < words_; ++k)
                words[k] = LoadBigEndian64(bytes + 8 * k);
        } else {
            const auto left =
                static_cast<std::size_t>(glyph_.Pixels.data() + glyph_.Pixels.size() - bytes);
            for (int k = 0; k < words_; ++k)
                words[k] = LoadBigEndian64(bytes + 8 * k, std::min<std::size_t>(8, left - 8 * k));
        }
        if (words_ > 0) words[words_ - 1] &= lastWord_;
    }

  private:
    const CharInfo& glyph_;
    int height_;
    int words_;
    std::uint64_t lastWord_;
    int wholeRows_;
};

// The sum of the eight bytes.
int SumOfBytes(std::uint64_t bytes) {
    const std::uint64_t pairs = (bytes & 0x00FF00FF00FF00FF) + (bytes >> 8 & 0x00FF00FF00FF00FF);
    return static_cast<int>((pairs * 0x0001000100010001) >> 48);
}

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

int CountOutlinePoints(const CharInfo& glyph, int height) {
    // Each horizontal edge between two rows of pixels (a run of columns
    // where the rows differ, cut in two at each saddle) has two turns, one
    // at either end: count the corners where one begins. Pixel column c is
    // bit c of the words, counted from the highest bit of the first, and
    // corner x is at the bit of the pixel on its right. Two vertex rows at
    // a time: y, between pixel rows y - 1 and y, and y + 1 beside it.
    const RowReader rows(glyph, height);
    const int words = rows.Words();
    std::uint64_t above[InkGrid::kMaxWords] = {};
    std::uint64_t middle[InkGrid::kMaxWords];
    std::uint64_t below[InkGrid::kMaxWords];
    int starts = 0;
    for (int y = 0; y <= height;) {
        WordPair byteCounts{};
        for (int pairs = 0; pairs < kRowPairsPerSum && y <= height; ++pairs, y += 2) {
            rows.Read(y, middle);
            rows.Read(y + 1, below);
            WordPair pixelsBefore{}, edgesBefore{};  // of the word before
            for (int k = 0; k < words; ++k) {
                const WordPair pixels{above[k], middle[k]};
                const WordPair edges = pixels ^ WordPair { middle[k], below[k] };
                // The pixels left of each corner.
                const WordPair pixelLeft = pixels >> 1 | pixelsBefore << 63;
                const WordPair edgeOnLeft = edges >> 1 | edgesBefore << 63;
                // An edge starts where none comes from the left, or at a saddle.
                byteCounts += BitsPerByte(edges & (~edgeOnLeft | (pixels ^ pixelLeft)));
                pixelsBefore = pixels;
                edgesBefore = edges;
            }
            std::copy_n(below, words, above);
        }
        starts += SumOfBytes(byteCounts[0]) + SumOfBytes(byteCounts[1]);
    }
    return 2 * starts;
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
            if (corners.turns == 0) continue;
            // Bits counted from the right: x is last - bit.
            const std::size_t last = 64 * static_cast<std::size_t>(k) + 63;
            const std::size_t lastTurn = (static_cast<std::size_t>(y) << 8) + last;
            const std::size_t lastColumn = columns + last;
            // Numbered from the right, down from one past the word's last
            // turn, so that each is found in one step.
            const std::uint32_t inWord = CountBits(corners.turns, corners.saddles);
            std::uint32_t at = count + inWord;
            for (std::uint64_t left = corners.turns; left != 0; left &= left - 1) {
                const auto bit = static_cast<unsigned>(std::countr_zero(left));
                const auto saddle = static_cast<std::uint32_t>(corners.saddles >> bit & 1);
                const auto firstFromAbove =
                    static_cast<std::uint32_t>(corners.firstFromAbove >> bit & 1);
                at -= 1 + saddle;
                // One turn, or a saddle's two, of which one ends the edge
                // from above (linked with the turn above) and one starts the
                // edge down (left for the column): either or both.
                const std::size_t column = lastColumn - bit;
                const std::uint32_t above = vertical[column];
                const std::uint32_t up = at + (saddle & (firstFromAbove ^ 1));
                const std::uint32_t down = at + (saddle & firstFromAbove);
                vertical[up] = above;
                // Where the turn does not end an edge, the column's entry
                // takes the store: it is written next anyway. (Chosen
                // without a branch: in a noisy glyph either comes at random.)
                const std::size_t ending = 0 - std::size_t{saddle | firstFromAbove};
                vertical[column ^ ((above ^ column) & ending)] = up;
                vertical[column] = down;
                const auto turn = static_cast<std::uint16_t>(lastTurn - bit);
                turns[at] = turn;
                turns[at + saddle] = turn;
            }
            count += inWord;
        }
    const std::uint32_t edges = count / 2;
    untraced_.assign((edges + 63) / 64, ~std::uint64_t{0});
    if (edges % 64 != 0) untraced_.back() >>= 64 - edges % 64;
    return count;
}

}  // namespace gft
