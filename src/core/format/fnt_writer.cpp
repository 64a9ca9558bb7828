#include "format/fnt_writer.h"

#include <algorithm>
#include <array>

#include "format/fnt_format.h"
#include "support/app_error.h"

namespace gft {

namespace {

void PutPointer(Bytes& table, int value) {
    table.push_back(static_cast<std::uint8_t>(value / 256));
    table.push_back(static_cast<std::uint8_t>(value % 256));
}

// First present glyph at or before code whose bytes equal those of code.
int Donor(const Font& font, int code) {
    const Bytes& bytes = font.Glyph(code).Pixels;
    for (int j = 0; j < code; ++j) {
        const CharInfo& other = font.Glyph(j);
        if (other.Present && other.Pixels == bytes) return j;
    }
    return code;
}

// For each present glyph, the code whose stored data it points at: itself,
// or with shareDuplicates its donor.
using Donors = std::array<int, kGlyphCount>;
Donors DonorsOf(const Font& font, bool shareDuplicates) {
    Donors donors{};
    for (int code = 0; code < kGlyphCount; ++code)
        donors[code] = shareDuplicates && font.Glyph(code).Present ? Donor(font, code) : code;
    return donors;
}

std::size_t BlockSize(const Font& font, const Donors& donors) {
    std::size_t size = 1;  // the place-holder byte
    for (int code = 0; code < kGlyphCount; ++code)
        if (font.Glyph(code).Present && donors[code] == code)
            size += static_cast<std::size_t>(font.Glyph(code).DataSize());
    return size;
}

}  // namespace

std::size_t FntDataBlockSize(const Font& font, bool shareDuplicates) {
    return BlockSize(font, DonorsOf(font, shareDuplicates));
}

std::string GlyphDataTooLarge(std::size_t size) {
    return "the glyph data needs " + std::to_string(size) + " bytes, at most " +
           std::to_string(fnt::kMaxWrittenBlock) + " fit in a font file";
}

Bytes BuildFntImage(const Font& font, bool shareDuplicates) {
    const Donors donors = DonorsOf(font, shareDuplicates);
    if (const std::size_t size = BlockSize(font, donors); size > fnt::kMaxWrittenBlock)
        throw AppError(kOverflowError, "SaveFontAs", "Overflow: " + GlyphDataTooLarge(size));
    Bytes block;
    Bytes widths;
    Bytes pointers;
    widths.reserve(256);
    pointers.reserve(512 + 5);
    int running = 1;  // block offset of the next stored glyph; offset 0 is the place-holder
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& glyph = font.Glyph(code);
        if (!glyph.Present) {
            widths.push_back(0);
            PutPointer(pointers, 0);
            continue;
        }
        widths.push_back(glyph.Width);
        const int donor = donors[code];
        if (donor != code) {
            pointers.push_back(pointers[2 * static_cast<std::size_t>(donor)]);
            pointers.push_back(pointers[2 * static_cast<std::size_t>(donor) + 1]);
            continue;
        }
        block.insert(block.end(), glyph.Pixels.begin(), glyph.Pixels.end());
        PutPointer(pointers, running);
        running += glyph.DataSize();
    }
    PutPointer(pointers, 0);
    PutPointer(pointers, running);
    pointers.push_back(0);  // the place-holder byte, block offset 0

    Bytes image(fnt::kHeaderSize, 0);
    image[3] = 1;
    image[fnt::kHeightOffset] = font.FontHeight;
    std::copy(font.AttrSection.begin(), font.AttrSection.end(), image.begin() + fnt::kAttrOffset);
    image.reserve(fnt::kDataBlockOffset + block.size());
    image.insert(image.end(), widths.begin(), widths.end());
    image.insert(image.end(), pointers.begin(), pointers.end());
    image.insert(image.end(), block.begin(), block.end());
    return image;
}

}  // namespace gft
