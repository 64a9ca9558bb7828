// The effects work on whole rows of bytes: a row moved right by k columns is
// a shift across its bytes, so a glyph of 255 x 255 costs some thousand byte
// operations per effect rather than 65025 single-pixel reads and writes.
#include "format/glyph_effects.h"

#include <algorithm>
#include <array>

namespace gft {

namespace {

constexpr int kMaxWidth = 255;

// The bits of byte j of a row that lie inside width.
std::uint8_t InsideMask(int width, int j) {
    const int left = width - 8 * j;
    if (left >= 8) return 0xFF;
    if (left <= 0) return 0;
    return static_cast<std::uint8_t>(0xFF << (8 - left));
}

// Rows of a fixed number of bytes, top row first, all clear to begin with.
class Rows {
  public:
    Rows(int height, int bytesPerRow)
        : bytesPerRow_(bytesPerRow), bytes_(static_cast<std::size_t>(height * bytesPerRow), 0) {}
    int BytesPerRow() const { return bytesPerRow_; }
    int Height() const { return static_cast<int>(bytes_.size()) / bytesPerRow_; }
    std::uint8_t* Row(int r) {
        return bytes_.data() + static_cast<std::ptrdiff_t>(r) * bytesPerRow_;
    }
    const std::uint8_t* Row(int r) const {
        return bytes_.data() + static_cast<std::ptrdiff_t>(r) * bytesPerRow_;
    }
    bool Any() const {
        return std::any_of(bytes_.begin(), bytes_.end(), [](std::uint8_t b) { return b != 0; });
    }

  private:
    int bytesPerRow_;
    Bytes bytes_;
};

// The glyph's ink I(r, c) in rows of bytesPerRow bytes (at least its own),
// every bit beyond its width clear; rows the glyph lacks are blank.
Rows InkOf(const CharInfo& glyph, int height, int bytesPerRow) {
    Rows ink(height, bytesPerRow);
    const int own = glyph.BytesPerRow();
    const int rows = std::min(height, glyph.DataSize() / own);
    for (int r = 0; r < rows; ++r)
        for (int j = 0; j < own; ++j)
            ink.Row(r)[j] =
                glyph.Pixels[static_cast<std::size_t>(r * own + j)] & InsideMask(glyph.Width, j);
    return ink;
}

// out |= row moved right by shift columns; what passes the end is lost.
void OrShiftedRight(const std::uint8_t* row, std::uint8_t* out, int bytes, int shift) {
    const int whole = shift / 8;
    const int bits = shift % 8;
    for (int j = bytes - 1; j >= whole; --j) {
        unsigned value = row[j - whole] >> bits;
        if (bits != 0 && j - whole > 0)
            value |= static_cast<unsigned>(row[j - whole - 1]) << (8 - bits);
        out[j] |= static_cast<std::uint8_t>(value);
    }
}

// out |= row moved left by one column.
void OrShiftedLeftByOne(const std::uint8_t* row, std::uint8_t* out, int bytes) {
    for (int j = 0; j < bytes; ++j) {
        unsigned value = static_cast<unsigned>(row[j]) << 1;
        if (j + 1 < bytes) value |= row[j + 1] >> 7;
        out[j] |= static_cast<std::uint8_t>(value);
    }
}

void OrRow(const std::uint8_t* row, std::uint8_t* out, int bytes) {
    for (int j = 0; j < bytes; ++j)
        out[j] |= row[j];
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

Rows Bold(const Rows& ink) {
    Rows out = ink;
    for (int r = 0; r < ink.Height(); ++r)
        OrShiftedRight(ink.Row(r), out.Row(r), ink.BytesPerRow(), 1);
    return out;
}

Rows Shadow(const Rows& ink) {
    Rows out = ink;
    for (int r = 1; r < ink.Height(); ++r)
        OrShiftedRight(ink.Row(r - 1), out.Row(r), ink.BytesPerRow(), 1);
    return out;
}

Rows Italic(const Rows& ink, int step) {
    Rows out(ink.Height(), ink.BytesPerRow());
    for (int r = 0; r < ink.Height(); ++r)
        OrShiftedRight(ink.Row(r), out.Row(r), ink.BytesPerRow(), (ink.Height() - 1 - r) / step);
    return out;
}

Rows Invert(const Rows& ink, int width) {
    Rows out = ink;
    for (int r = 0; r < ink.Height(); ++r)
        for (int j = 0; j < ink.BytesPerRow(); ++j)
            out.Row(r)[j] = static_cast<std::uint8_t>(~out.Row(r)[j]) & InsideMask(width, j);
    return out;
}

// J, the ink moved right by one column; each J row spread to its left and
// right neighbours; then the spread rows above, at and below a row, less J.
Rows Outline(const Rows& ink) {
    const int height = ink.Height();
    const int bytes = ink.BytesPerRow();
    Rows moved(height, bytes);
    Rows spread(height, bytes);
    for (int r = 0; r < height; ++r) {
        OrShiftedRight(ink.Row(r), moved.Row(r), bytes, 1);
        OrRow(moved.Row(r), spread.Row(r), bytes);
        OrShiftedRight(moved.Row(r), spread.Row(r), bytes, 1);
        OrShiftedLeftByOne(moved.Row(r), spread.Row(r), bytes);
    }
    Rows out(height, bytes);
    for (int r = 0; r < height; ++r) {
        for (int near = std::max(r - 1, 0); near <= std::min(r + 1, height - 1); ++near)
            OrRow(spread.Row(near), out.Row(r), bytes);
        for (int j = 0; j < bytes; ++j)
            out.Row(r)[j] &= static_cast<std::uint8_t>(~moved.Row(r)[j]);
    }
    return out;
}

// Gives the glyph the rows at width min(width, 255); true when ink beyond
// column 254 was cut.
bool Store(CharInfo& glyph, const Rows& rows, int width) {
    const int kept = std::min(width, kMaxWidth);
    const int bytesPerRow = CharInfo::BytesPerRowFor(kept);
    Bytes pixels(static_cast<std::size_t>(bytesPerRow * rows.Height()));
    bool cut = false;
    for (int r = 0; r < rows.Height(); ++r) {
        for (int j = 0; j < rows.BytesPerRow(); ++j) {
            const std::uint8_t byte = rows.Row(r)[j];
            const std::uint8_t inside = InsideMask(kept, j);
            if ((byte & ~inside) != 0) cut = true;
            if (j < bytesPerRow)
                pixels[static_cast<std::size_t>(r * bytesPerRow + j)] = byte & inside;
        }
    }
    glyph.Width = static_cast<std::uint8_t>(kept);
    glyph.Pixels = std::move(pixels);
    return cut;
}

// Each byte of a row spread factor times wider, as a number of factor bytes.
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
    if (italicStep < 1) italicStep = 1;
    const int width = glyph.Width + Growth(effect, height, italicStep);
    const Rows ink = InkOf(glyph, height, CharInfo::BytesPerRowFor(width));
    if (effect != GlyphEffect::Invert && !ink.Any()) return {};
    Rows out = [&] {
        switch (effect) {
            case GlyphEffect::Bold:
                return Bold(ink);
            case GlyphEffect::Italic:
                return Italic(ink, italicStep);
            case GlyphEffect::Outline:
                return Outline(ink);
            case GlyphEffect::Shadow:
                return Shadow(ink);
            case GlyphEffect::Invert:
                break;
        }
        return Invert(ink, glyph.Width);
    }();
    return {true, Store(glyph, out, width)};
}

void ScaleGlyph(CharInfo& glyph, int height, int factor) {
    if (!glyph.Present) return MakeAbsent(glyph, height * factor);
    const int from = glyph.BytesPerRow();
    const int width = glyph.Width * factor;
    const int to = CharInfo::BytesPerRowFor(width);
    const Rows ink = InkOf(glyph, height, from);
    const auto& spread = SpreadBytes(factor);
    Rows out(height * factor, to);
    for (int r = 0; r < height; ++r) {
        std::uint8_t* row = out.Row(r * factor);
        for (int j = 0; j < from; ++j) {
            const std::uint32_t wide = spread[ink.Row(r)[j]];
            for (int k = 0; k < factor && j * factor + k < to; ++k)
                row[j * factor + k] = static_cast<std::uint8_t>(wide >> (8 * (factor - 1 - k)));
        }
        for (int k = 1; k < factor; ++k)
            std::copy_n(row, to, out.Row(r * factor + k));
    }
    Store(glyph, out, width);
}

}  // namespace gft
