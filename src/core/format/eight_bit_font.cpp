#include "format/eight_bit_font.h"

#include <algorithm>

namespace gft {

namespace {

constexpr std::size_t kFullBuffer = 2048;  // 256 characters of 8 rows
constexpr std::size_t kPackedF80 = 512;    // 64 blocks of two 4-pixel characters

const char* BoolWord(bool value) {
    return value ? "True" : "False";
}

// Looks for 4-pixel-wide characters: every byte's ink in one nibble.
// Returns true and reports when found; moves right-half ink to the left.
bool DetectF80(std::vector<std::string>& lines, Bytes& buffer) {
    bool lowFree = true;
    bool highFree = true;
    for (std::uint8_t byte : buffer) {
        if (byte & 0x0F) lowFree = false;
        if (byte & 0xF0) highFree = false;
        if (!lowFree && !highFree) return false;
    }
    lines.push_back(std::string("Detected F80! ") + BoolWord(lowFree) + " <-> " +
                    BoolWord(highFree));
    if (highFree)
        for (std::uint8_t& byte : buffer)
            byte = static_cast<std::uint8_t>(byte * 16);
    return true;
}

// Splits 64 blocks of packed characters into 128 characters, left half first.
Bytes UnpackF80(const Bytes& packed) {
    Bytes out(1024, 0);
    for (std::size_t m = 0; m < 64; ++m) {
        for (std::size_t r = 0; r < 8; ++r) {
            const std::uint8_t source = packed[m * 8 + r];
            out[(2 * m) * 8 + r] = source & 0xF0;
            out[(2 * m + 1) * 8 + r] = static_cast<std::uint8_t>((source & 0x0F) * 16);
        }
    }
    return out;
}

// Character code of source character k in the Atari's internal order.
int AtariCode(int k) {
    if (k < 64) return k + 32;
    if (k < 96) return k - 64;
    return k;
}

// Moves the selection read in file order along with the glyphs of k - 64..k.
void RotateSelection(std::array<std::uint8_t, 256>& selected, int k) {
    const std::uint8_t old = selected[k];
    selected[k] = selected[k - 32];
    selected[k - 32] = selected[k - 64];
    selected[k - 64] = old;
}

}  // namespace

std::vector<std::string> EightBitSizeWarnings(std::int64_t length) {
    if (length == 1024 || length == 512) return {};
    return {"Proper size is 1024 or 512 Bytes, here is " + std::to_string(length),
            "If this is not 8-bit font you can see \"random\" data instead"};
}

std::size_t EightBitBytesToRead(std::int64_t length, bool remap) {
    return (remap && length == 512) ? kPackedF80 : kFullBuffer;
}

EightBitImport ParseEightBitFont(const Bytes& file, bool remap,
                                 const std::array<std::uint8_t, kGlyphCount>& selected,
                                 const Font& base) {
    EightBitImport result;
    Font& next = result.font;
    next = base;
    next.Selected = selected;
    next.Different.fill(0);

    const bool packed = remap && file.size() == kPackedF80;
    Bytes buffer(file.begin(),
                 file.begin() + static_cast<std::ptrdiff_t>(std::min(file.size(), kFullBuffer)));
    buffer.resize(packed ? kPackedF80 : kFullBuffer, 0);
    bool f80 = true;
    if (packed)
        buffer = UnpackF80(buffer);
    else
        f80 = DetectF80(result.lines, buffer);

    next.FontLoaded = true;
    next.FontHeight = 8;
    for (int k = 0; k < 256; ++k) {
        int code = k;
        if (remap) {
            code = AtariCode(k);
            if (k >= 64 && k < 96) RotateSelection(next.Selected, k);
        }
        CharInfo& glyph = next.Glyph(code);
        glyph.HasError = 0;
        const std::size_t at = static_cast<std::size_t>(k) * 8;
        const bool inFile = !(remap && k >= 128) && at + 8 <= buffer.size();
        Bytes rows = inFile ? Bytes(buffer.begin() + static_cast<std::ptrdiff_t>(at),
                                    buffer.begin() + static_cast<std::ptrdiff_t>(at + 8))
                            : Bytes(8, 0);
        const bool blank = std::all_of(rows.begin(), rows.end(), [](auto b) { return b == 0; });
        if (!inFile || (blank && code != 32)) {
            MakeAbsent(glyph, 8);
            continue;
        }
        glyph.Present = true;
        glyph.Width = f80 ? 4 : 8;
        glyph.Pixels = std::move(rows);
    }
    next.MaxWidth = f80 ? 4 : 8;
    return result;
}

}  // namespace gft
