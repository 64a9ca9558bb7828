// The effects work on whole rows held as 64-bit words: a row moved right by k
// columns is a shift across a few words, so a glyph of 255 x 255 costs a few
// thousand word operations per effect rather than 65025 single-pixel reads
// and writes.
#include "format/glyph_effects.h"

#include <algorithm>
#include <array>
#include <utility>

#include "support/big_endian.h"

namespace gft {

namespace {

constexpr int kMaxWidth = 255;

// A row of N 64-bit words, column 0 the top bit of word 0. Eight words hold
// the widest row an effect makes, 255 + 254 columns (italic by step 1 on 255
// rows); each glyph is worked on with as few words as its rows need, the
// number fixed at compile time so that every row operation is a handful of
// straight word instructions.
constexpr std::size_t kMaxWords = 8;
template <std::size_t N>
using Row = std::array<std::uint64_t, N>;

// The bits of word i of a row that lie inside width.
std::uint64_t InsideMask(int width, int i) {
    const int left = width - 64 * i;
    if (left >= 64) return ~std::uint64_t{0};
    if (left <= 0) return 0;
    return ~std::uint64_t{0} << (64 - left);
}

template <std::size_t N>
Row<N> InsideMasks(int width) {
    Row<N> masks{};
    for (std::size_t i = 0; i < N; ++i)
        masks[i] = InsideMask(width, static_cast<int>(i));
    return masks;
}

// Word i of a row moved right by one column.
template <std::size_t N>
std::uint64_t RightByOne(const Row<N>& row, std::size_t i) {
    return row[i] >> 1 | (i > 0 ? row[i - 1] << 63 : 0);
}

// Word i of a row moved right by 64 x whole + bits columns (bits 1..63).
template <std::size_t N>
std::uint64_t RightBy(const Row<N>& row, std::size_t i, std::size_t whole, int bits) {
    if (i < whole) return 0;
    return row[i - whole] >> bits | (i > whole ? row[i - whole - 1] << (64 - bits) : 0);
}

// How many columns an effect adds to the width.
int Growth(GlyphEffect effect, int height, int italicStep) {
    switch (effect) {
        case GlyphEffect::Bold:
        case GlyphEffect::Shadow:
            return 1;
        case GlyphEffect::Outline:
            return 2;
        case GlyphEffect::Italic:
            return (height - 1) / italicStep;
        case GlyphEffect::Invert:
            break;
    }
    return 0;
}

// Reads a glyph's ink row by row and lays out the rows an effect makes as
// glyph rows of width min(width, 255), noting the ink it read and the ink
// it cut beyond column 254.
template <std::size_t N>
class RowFrame {
  public:
    RowFrame(const CharInfo& glyph, int height, int width)
        : glyph_(glyph),
          kept_(std::min(width, kMaxWidth)),
          fromBytes_(static_cast<std::size_t>(glyph.BytesPerRow())),
          toBytes_(static_cast<std::size_t>(CharInfo::BytesPerRowFor(kept_))),
          rowsHeld_(std::min<std::size_t>(static_cast<std::size_t>(height),
                                          glyph.Pixels.size() / fromBytes_)),
          inkMasks_(InsideMasks<N>(glyph.Width)),
          keptMasks_(InsideMasks<N>(kept_)),
          pixels_(toBytes_ * static_cast<std::size_t>(height)) {}

    // I(r, .): blank for a row the glyph lacks.
    Row<N> Ink(int r) {
        Row<N> row{};
        if (static_cast<std::size_t>(r) >= rowsHeld_) return row;
        const std::uint8_t* bytes = glyph_.Pixels.data() + static_cast<std::size_t>(r) * fromBytes_;
        for (std::size_t i = 0; i < N && 8 * i < fromBytes_; ++i) {
            row[i] = LoadBigEndian64(bytes + 8 * i, std::min<std::size_t>(8, fromBytes_ - 8 * i)) &
                     inkMasks_[i];
            inked_ |= row[i];
        }
        return row;
    }
    std::uint64_t InkMask(std::size_t i) const { return inkMasks_[i]; }

    // Row r of the result, its words made one by one by word(i).
    template <class Word>
    void Put(int r, Word word) {
        std::uint8_t* bytes = pixels_.data() + static_cast<std::size_t>(r) * toBytes_;
        for (std::size_t i = 0; i < N; ++i) {
            const std::uint64_t value = word(i);
            cut_ |= value & ~keptMasks_[i];
            if (8 * i < toBytes_)
                StoreBigEndian64(bytes + 8 * i, value & keptMasks_[i],
                                 std::min<std::size_t>(8, toBytes_ - 8 * i));
        }
    }

    bool InkRead() const { return inked_ != 0; }
    // Gives the glyph the rows.
    EffectOutcome StoreInto(CharInfo& glyph) {
        const bool changed = glyph.Width != kept_ || glyph.Pixels != pixels_;
        glyph.Width = static_cast<std::uint8_t>(kept_);
        glyph.Pixels = std::move(pixels_);
        return {true, changed, cut_ != 0};
    }

  private:
    const CharInfo& glyph_;
    int kept_;
    std::size_t fromBytes_;
    std::size_t toBytes_;
    std::size_t rowsHeld_;
    Row<N> inkMasks_;
    Row<N> keptMasks_;
    Bytes pixels_;
    std::uint64_t inked_ = 0;
    std::uint64_t cut_ = 0;
};

template <std::size_t N>
void Bold(RowFrame<N>& frame, int height) {
    for (int r = 0; r < height; ++r) {
        const Row<N> ink = frame.Ink(r);
        frame.Put(r, [&](std::size_t i) { return ink[i] | RightByOne(ink, i); });
    }
}

template <std::size_t N>
void Italic(RowFrame<N>& frame, int height, int step) {
    // Row r moves by (height - 1 - r) / step: the shift falls by one each
    // step rows, counted rather than divided.
    int shift = (height - 1) / step;
    int rowsLeft = (height - 1) % step + 1;  // rows at this shift, from row 0
    for (int r = 0; r < height; ++r) {
        const Row<N> ink = frame.Ink(r);
        const auto whole = static_cast<std::size_t>(shift / 64);
        const int bits = shift % 64;
        if (bits == 0)
            frame.Put(r, [&](std::size_t i) { return i < whole ? 0 : ink[i - whole]; });
        else
            frame.Put(r, [&](std::size_t i) { return RightBy(ink, i, whole, bits); });
        if (--rowsLeft == 0) {
            --shift;
            rowsLeft = step;
        }
    }
}

template <std::size_t N>
void Shadow(RowFrame<N>& frame, int height) {
    Row<N> above{};
    for (int r = 0; r < height; ++r) {
        const Row<N> ink = frame.Ink(r);
        frame.Put(r, [&](std::size_t i) { return ink[i] | RightByOne(above, i); });
        above = ink;
    }
}

template <std::size_t N>
void Invert(RowFrame<N>& frame, int height) {
    for (int r = 0; r < height; ++r) {
        const Row<N> ink = frame.Ink(r);
        frame.Put(r, [&](std::size_t i) { return ~ink[i] & frame.InkMask(i); });
    }
}

// J, the ink moved right by one column. A row's ring is every cell next to
// J in the rows above, at and below it, less J: the spread of J over
// columns c - 1 .. c + 1 is the ink's over c - 2 .. c, I | I >> 1 | I >> 2,
// and three rows of it are kept at a time.
template <std::size_t N>
void Outline(RowFrame<N>& frame, int height) {
    struct Spread {
        Row<N> moved{};   // J
        Row<N> spread{};  // J over columns c - 1 .. c + 1
    };
    const auto spreadOf = [&frame](int r) {
        const Row<N> ink = frame.Ink(r);  // blank past the last row
        Spread s;
        for (std::size_t i = 0; i < N; ++i)
            s.moved[i] = RightByOne(ink, i);
        for (std::size_t i = 0; i < N; ++i)
            s.spread[i] = ink[i] | s.moved[i] | RightByOne(s.moved, i);
        return s;
    };
    Row<N> above{};
    Spread here = spreadOf(0);
    for (int r = 0; r < height; ++r) {
        const Spread below = spreadOf(r + 1);
        frame.Put(r, [&](std::size_t i) {
            return (above[i] | here.spread[i] | below.spread[i]) & ~here.moved[i];
        });
        above = here.spread;
        here = below;
    }
}

template <std::size_t N>
EffectOutcome ApplyWithWords(CharInfo& glyph, int height, GlyphEffect effect, int italicStep,
                             int width) {
    RowFrame<N> frame(glyph, height, width);
    switch (effect) {
        case GlyphEffect::Bold:
            Bold(frame, height);
            break;
        case GlyphEffect::Italic:
            Italic(frame, height, italicStep);
            break;
        case GlyphEffect::Outline:
            Outline(frame, height);
            break;
        case GlyphEffect::Shadow:
            Shadow(frame, height);
            break;
        case GlyphEffect::Invert:
            Invert(frame, height);
            break;
    }
    if (effect != GlyphEffect::Invert && !frame.InkRead()) return {};
    return frame.StoreInto(glyph);
}

// ApplyWithWords<1> .. ApplyWithWords<8>, by the number of words less one.
template <std::size_t... Less>
constexpr auto ApplyByWords(std::index_sequence<Less...>) {
    return std::array{&ApplyWithWords<Less + 1>...};
}
constexpr auto kApplyWithWords = ApplyByWords(std::make_index_sequence<kMaxWords>());

// Each byte spread factor times wider, as a number of factor bytes.
const std::array<std::uint32_t, 256>& SpreadBytes(int factor) {
    static const auto tables = [] {
        std::array<std::array<std::uint32_t, 256>, 4> all{};
        for (int f = 1; f <= 3; ++f)
            for (unsigned byte = 0; byte < 256; ++byte)
                for (int bit = 7; bit >= 0; --bit)
                    for (int k = 0; k < f; ++k)
                        all[f][byte] = all[f][byte] << 1 | (byte >> bit & 1u);
        return all;
    }();
    return tables[static_cast<std::size_t>(factor)];
}

}  // namespace

EffectOutcome ApplyEffect(CharInfo& glyph, int height, GlyphEffect effect, int italicStep) {
    if (glyph.Width == 0 || height < 1) return {};
    italicStep = std::max(italicStep, 1);
    const int width = glyph.Width + Growth(effect, height, italicStep);
    const auto words = static_cast<std::size_t>(std::clamp((width + 63) / 64, 1, int{kMaxWords}));
    return kApplyWithWords[words - 1](glyph, height, effect, italicStep, width);
}

void ScaleGlyph(CharInfo& glyph, int height, int factor) {
    if (factor < 1 || factor > 3) return;
    if (!glyph.Present) return MakeAbsent(glyph, height * factor);
    const auto from = static_cast<std::size_t>(glyph.BytesPerRow());
    const std::size_t rowsHeld =
        std::min(static_cast<std::size_t>(height), glyph.Pixels.size() / from);
    const int width = std::min(glyph.Width * factor, kMaxWidth);
    const auto to = static_cast<std::size_t>(CharInfo::BytesPerRowFor(width));
    const auto& spread = SpreadBytes(factor);
    Bytes pixels(to * static_cast<std::size_t>(height * factor));
    for (std::size_t r = 0; r < rowsHeld; ++r) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(to * r) * factor;
        for (std::size_t j = 0; j < from; ++j) {
            const auto inside = static_cast<std::uint8_t>(
                InsideMask(glyph.Width - 8 * static_cast<int>(j), 0) >> 56);
            const std::uint32_t wide = spread[glyph.Pixels[r * from + j] & inside];
            for (std::size_t k = 0; k < static_cast<std::size_t>(factor) && j * factor + k < to;
                 ++k)
                row[static_cast<std::ptrdiff_t>(j * factor + k)] =
                    static_cast<std::uint8_t>(wide >> (8 * (factor - 1 - static_cast<int>(k))));
        }
        for (int k = 1; k < factor; ++k)
            std::copy_n(row, to, row + static_cast<std::ptrdiff_t>(to) * k);
    }
    glyph.Width = static_cast<std::uint8_t>(width);
    glyph.Pixels = std::move(pixels);
}

}  // namespace gft
