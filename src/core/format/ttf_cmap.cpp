#include "format/ttf_cmap.h"

#include <algorithm>
#include <bit>

#include "support/big_endian.h"

namespace gft {

namespace {

// A run of consecutive characters mapped to consecutive glyphs.
struct Segment {
    std::uint16_t first;
    std::uint16_t last;
    std::uint16_t delta;  // glyph - character, modulo 65536
};

std::vector<Segment> Segments(std::vector<CharacterGlyph> mapping) {
    std::sort(mapping.begin(), mapping.end(), [](const CharacterGlyph& a, const CharacterGlyph& b) {
        return a.character < b.character;
    });
    std::vector<Segment> segments;
    for (const CharacterGlyph& entry : mapping) {
        const auto character = static_cast<std::uint16_t>(entry.character);
        const auto delta = static_cast<std::uint16_t>(entry.glyph - character);
        if (!segments.empty() && segments.back().last + 1 == character &&
            segments.back().delta == delta)
            segments.back().last = character;
        else
            segments.push_back({character, character, delta});
    }
    // Every format 4 subtable ends with U+FFFF mapped to glyph 0.
    segments.push_back({0xFFFF, 0xFFFF, 1});
    return segments;
}

}  // namespace

char32_t TrueTypeCharacter(CodePage page, std::uint8_t code) {
    const auto character = CodePageCharacter(page, code);
    const bool control =
        !character || *character < 0x20 || (*character >= 0x7F && *character < 0xA0);
    return control ? kPrivateCodeBase + code : *character;
}

Bytes CmapTable(std::vector<CharacterGlyph> mapping) {
    const std::vector<Segment> segments = Segments(std::move(mapping));
    const auto count = static_cast<unsigned>(segments.size());
    const unsigned searchRange = 2 * std::bit_floor(count);
    constexpr unsigned kHeader = 4 + 2 * 8;  // version, table count, two records

    Bytes table;
    BigEndianWriter out(table);
    out.U16(0);
    out.U16(2);
    for (const unsigned platform : {0, 3}) {
        out.U16(platform);
        out.U16(platform == 0 ? 3 : 1);  // Unicode BMP; Windows Unicode BMP
        out.U32(kHeader);
    }
    out.U16(4);
    out.U16(16 + 8 * count);  // length
    out.U16(0);               // language
    out.U16(2 * count);
    out.U16(searchRange);
    out.U16(static_cast<unsigned>(std::countr_zero(searchRange / 2)));
    out.U16(2 * count - searchRange);
    for (const Segment& segment : segments)
        out.U16(segment.last);
    out.U16(0);  // reserved
    for (const Segment& segment : segments)
        out.U16(segment.first);
    for (const Segment& segment : segments)
        out.U16(segment.delta);
    out.Zeros(2 * count);  // no glyph index array: every segment maps by its delta
    return table;
}

}  // namespace gft
