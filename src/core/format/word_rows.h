#pragma once

// A glyph's rows held as 64-bit words, for the operations that move whole
// rows of pixels sideways: column 0 of a row is the top bit of its word 0.
// A glyph is read into words once, worked on a few word operations per row,
// and written back as bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "format/char_info.h"
#include "support/big_endian.h"

namespace gft {

template <std::size_t N>
using WordRow = std::array<std::uint64_t, N>;

// Up to 255 rows, row r at index r + 1, with a blank row above the first and
// one below the last for the operations that look at the rows around a row.
inline constexpr std::size_t kMaxWordRows = 257;
template <std::size_t N>
using WordRows = std::array<WordRow<N>, kMaxWordRows>;

// The bits of word i of a row that lie inside width.
inline std::uint64_t InsideMask(int width, int i) {
    const int left = width - 64 * i;
    if (left >= 64) return ~std::uint64_t{0};
    if (left <= 0) return 0;
    return ~std::uint64_t{0} << (64 - left);
}

template <std::size_t N>
inline WordRow<N> InsideMasks(int width) {
    WordRow<N> masks{};
    for (std::size_t i = 0; i < N; ++i)
        masks[i] = InsideMask(width, static_cast<int>(i));
    return masks;
}

// A row moved right by one column.
template <std::size_t N>
inline WordRow<N> RightByOne(const WordRow<N>& row) {
    WordRow<N> moved;
    moved[0] = row[0] >> 1;
    for (std::size_t i = 1; i < N; ++i)
        moved[i] = row[i] >> 1 | row[i - 1] << 63;
    return moved;
}

// A row moved right by `by` columns (0 .. 64 N - 1).
template <std::size_t N>
inline WordRow<N> RightBy(const WordRow<N>& row, int by) {
    std::array<std::uint64_t, 2 * N> padded{};  // N blank words, then the row
    std::copy(row.begin(), row.end(), padded.begin() + N);
    const auto whole = static_cast<std::size_t>(by / 64);
    const int bits = by % 64;
    WordRow<N> moved;
    for (std::size_t i = 0; i < N; ++i) {
        const std::uint64_t from = padded[N + i - whole];
        const std::uint64_t before = padded[N + i - whole - 1];
        moved[i] = from >> bits | before << (63 - bits) << 1;  // no shift by 64 when bits is 0
    }
    return moved;
}

namespace word_rows_detail {

// The helpers take spans rather than the byte vector: a byte written
// through the vector's pointer could, for all the compiler knows, change the
// vector itself, and its pointer and size would be read again after each.

// The eight bytes of a buffer from at as a big-endian word, zero past its end.
inline std::uint64_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at >= bytes.size()) return 0;
    return LoadBigEndian64(bytes.data() + at, std::min<std::size_t>(8, bytes.size() - at));
}

// N words of a buffer from at, zero past its end.
template <std::size_t N>
WordRow<N> WordsNearEnd(std::span<const std::uint8_t> bytes, std::size_t at) {
    WordRow<N> words;
    for (std::size_t i = 0; i < N; ++i)
        words[i] = WordAt(bytes, at + 8 * i);
    return words;
}
template <std::size_t N>
inline WordRow<N> WordsAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 8 * N > bytes.size()) return WordsNearEnd<N>(bytes, at);
    WordRow<N> words;
    for (std::size_t i = 0; i < N; ++i)
        words[i] = LoadBigEndian64(bytes.data() + at + 8 * i);
    return words;
}

// The inverse, writing no byte past the buffer's end.
template <std::size_t N>
void PutWordsNearEnd(std::span<std::uint8_t> bytes, std::size_t at, const WordRow<N>& words) {
    for (std::size_t i = 0; i < N && at + 8 * i < bytes.size(); ++i)
        StoreBigEndian64(bytes.data() + at + 8 * i, words[i],
                         std::min<std::size_t>(8, bytes.size() - at - 8 * i));
}
template <std::size_t N>
inline void PutWordsAt(std::span<std::uint8_t> bytes, std::size_t at, const WordRow<N>& words) {
    if (at + 8 * N > bytes.size()) return PutWordsNearEnd<N>(bytes, at, words);
    for (std::size_t i = 0; i < N; ++i)
        StoreBigEndian64(bytes.data() + at + 8 * i, words[i]);
}

}  // namespace word_rows_detail

// Reads the ink of a glyph of this height (the bits inside its width) into
// rows, with the blank rows around them; a row the glyph lacks is blank.
// Each row is read a whole word at a time: what a word takes from the next
// row lies beyond the width and is masked off. Returns whether there is ink.
template <std::size_t N>
bool ReadWordRows(const CharInfo& glyph, int height, WordRows<N>& rows) {
    const auto bytesPerRow = static_cast<std::size_t>(glyph.BytesPerRow());
    const auto rowsHeld = static_cast<int>(
        std::min(static_cast<std::size_t>(height), glyph.Pixels.size() / bytesPerRow));
    const WordRow<N> masks = InsideMasks<N>(glyph.Width);
    const std::span<const std::uint8_t> pixels(glyph.Pixels);
    std::uint64_t ink = 0;
    rows[0] = {};
    for (int r = 0; r < rowsHeld; ++r) {
        WordRow<N>& row = rows[static_cast<std::size_t>(r) + 1];
        row = word_rows_detail::WordsAt<N>(pixels, static_cast<std::size_t>(r) * bytesPerRow);
        for (std::size_t i = 0; i < N; ++i) {
            row[i] &= masks[i];
            ink |= row[i];
        }
    }
    for (int r = rowsHeld; r <= height; ++r)
        rows[static_cast<std::size_t>(r) + 1] = {};
    return ink != 0;
}

struct WrittenRows {
    bool changed = false;  // the glyph's width or bytes differ now
    bool cut = false;      // some row had bits beyond the width, now dropped
};

// Gives a glyph rows 1..height of rows as its pixels at this width (1..255),
// the bits beyond the width cleared. When the row length stays the rows go
// into the glyph's own bytes, a whole word at a time with the bytes a word
// takes past its row written back as they were.
template <std::size_t N>
WrittenRows WriteWordRows(const WordRows<N>& rows, int height, int width, CharInfo& glyph) {
    // A row of width 255 or less takes at most 4 words; the others can only
    // hold bits to cut.
    constexpr std::size_t kept = std::min<std::size_t>(N, 4);
    const auto bytesPerRow = static_cast<std::size_t>(CharInfo::BytesPerRowFor(width));
    const std::size_t size = bytesPerRow * static_cast<std::size_t>(height);
    const bool inPlace =
        glyph.BytesPerRow() == static_cast<int>(bytesPerRow) && glyph.Pixels.size() == size;
    Bytes fresh(inPlace ? 0 : size);
    const std::span<std::uint8_t> to(inPlace ? glyph.Pixels : fresh);
    const WordRow<N> inside = InsideMasks<N>(width);
    const WordRow<kept> own = InsideMasks<kept>(static_cast<int>(8 * bytesPerRow));
    std::uint64_t cut = 0;
    std::uint64_t differ = 0;
    for (int r = 0; r < height; ++r) {
        const WordRow<N>& row = rows[static_cast<std::size_t>(r) + 1];
        for (std::size_t i = 0; i < N; ++i)
            cut |= row[i] & ~inside[i];
        const std::size_t at = static_cast<std::size_t>(r) * bytesPerRow;
        const WordRow<kept> before = word_rows_detail::WordsAt<kept>(to, at);
        WordRow<kept> after;
        for (std::size_t i = 0; i < kept; ++i) {
            after[i] = (row[i] & inside[i]) | (before[i] & ~own[i]);
            differ |= before[i] ^ after[i];
        }
        word_rows_detail::PutWordsAt<kept>(to, at, after);
    }
    const bool changed = !inPlace || glyph.Width != width || differ != 0;
    glyph.Width = static_cast<std::uint8_t>(width);
    if (!inPlace) glyph.Pixels = std::move(fresh);
    return {changed, cut != 0};
}

}  // namespace gft
