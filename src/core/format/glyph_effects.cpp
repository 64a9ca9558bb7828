// The effects work on whole rows held as 64-bit words: a row moved right by k
// columns is a shift across a few words, so a glyph of 255 x 255 costs a few
// thousand word operations per effect rather than 65025 single-pixel reads
// and writes.
#include "format/glyph_effects.h"

#include <algorithm>
#include <array>
#include <utility>

#include "format/word_rows.h"

namespace gft {

namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxHeight = kMaxWordRows - 2;

// Eight words hold the widest row an effect makes, 255 + 254 columns (italic
// by step 1 on 255 rows); each glyph is worked on with as few words as its
// rows need, the number fixed at compile time so that every row operation is
// a handful of straight word instructions.
constexpr std::size_t kMaxWords = 8;

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

// Each effect makes rows 1..height of `out` from the ink rows of `in`, with
// their blank rows above and below.

template <std::size_t N>
void Bold(const WordRows<N>& in, WordRows<N>& out, int height) {
    for (int r = 1; r <= height; ++r) {
        const WordRow<N> moved = RightByOne(in[r]);
        for (std::size_t i = 0; i < N; ++i)
            out[r][i] = in[r][i] | moved[i];
    }
}

template <std::size_t N>
void Shadow(const WordRows<N>& in, WordRows<N>& out, int height) {
    for (int r = 1; r <= height; ++r) {
        const WordRow<N> above = RightByOne(in[r - 1]);
        for (std::size_t i = 0; i < N; ++i)
            out[r][i] = in[r][i] | above[i];
    }
}

template <std::size_t N>
void Italic(const WordRows<N>& in, WordRows<N>& out, int height, int step) {
    // Row r moves by (height - 1 - r) / step: the shift falls by one each
    // step rows, counted rather than divided.
    int shift = (height - 1) / step;
    int rowsLeft = (height - 1) % step + 1;  // rows at this shift, from the top
    for (int r = 1; r <= height; ++r) {
        out[r] = RightBy(in[r], shift);
        if (--rowsLeft == 0) {
            --shift;
            rowsLeft = step;
        }
    }
}

template <std::size_t N>
void Invert(const WordRows<N>& in, WordRows<N>& out, int height, int width) {
    const WordRow<N> inside = InsideMasks<N>(width);
    for (int r = 1; r <= height; ++r)
        for (std::size_t i = 0; i < N; ++i)
            out[r][i] = ~in[r][i] & inside[i];
}

// J, the ink moved right by one column. A cell's ring is J in any of the
// 3 x 3 cells around it, less J itself: J over columns c - 1 .. c + 1 is the
// ink over c - 2 .. c, so the ring is the ink of the rows above, at and below
// spread over two columns to the right, less J.
template <std::size_t N>
void Outline(const WordRows<N>& in, WordRows<N>& out, int height) {
    for (int r = 1; r <= height; ++r) {
        WordRow<N> around;
        for (std::size_t i = 0; i < N; ++i)
            around[i] = in[r - 1][i] | in[r][i] | in[r + 1][i];
        const WordRow<N> once = RightByOne(around);
        const WordRow<N> twice = RightByOne(once);
        const WordRow<N> moved = RightByOne(in[r]);
        for (std::size_t i = 0; i < N; ++i)
            out[r][i] = (around[i] | once[i] | twice[i]) & ~moved[i];
    }
}

template <std::size_t N>
void MakeRows(GlyphEffect effect, const WordRows<N>& in, WordRows<N>& out, int height, int width,
              int italicStep) {
    switch (effect) {
        case GlyphEffect::Bold:
            return Bold(in, out, height);
        case GlyphEffect::Italic:
            return Italic(in, out, height, italicStep);
        case GlyphEffect::Outline:
            return Outline(in, out, height);
        case GlyphEffect::Shadow:
            return Shadow(in, out, height);
        case GlyphEffect::Invert:
            return Invert(in, out, height, width);
    }
}

template <std::size_t N>
EffectOutcome ApplyWithWords(CharInfo& glyph, int height, GlyphEffect effect, int italicStep,
                             int width) {
    WordRows<N> in;  // at most 16 KB each
    WordRows<N> out;
    const bool inked = ReadWordRows(glyph, height, in);
    if (!inked && effect != GlyphEffect::Invert) return {};
    MakeRows(effect, in, out, height, glyph.Width, italicStep);
    const WrittenRows written = WriteWordRows(out, height, std::min(width, kMaxWidth), glyph);
    return {true, written.changed, written.cut};
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
    if (glyph.Width == 0 || height < 1 || height > kMaxHeight) return {};
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
