#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "format/char_info.h"

namespace gft {

inline constexpr int kGlyphCount = 256;
inline constexpr int kAttrSectionSize = 12;

// The one font the program edits. A plain value: copying it copies the font.
struct Font {
    bool FontLoaded = false;
    std::uint8_t FontHeight = 0;
    std::uint8_t MaxWidth = 0;
    std::array<std::uint8_t, kAttrSectionSize> AttrSection{};
    // 0 as loaded or saved, 1 only the selection changed, 2 glyphs changed.
    std::uint8_t EditStatus = 0;
    std::array<CharInfo, kGlyphCount> Chars{};
    std::array<std::uint8_t, kGlyphCount> Selected{};
    std::array<std::uint8_t, kGlyphCount> Different{};

    // The glyph of a code 0..255, and whether it is selected (1) or not (0).
    CharInfo& Glyph(int code) { return Chars[static_cast<std::size_t>(code)]; }
    const CharInfo& Glyph(int code) const { return Chars[static_cast<std::size_t>(code)]; }
    std::uint8_t& Selection(int code) { return Selected[static_cast<std::size_t>(code)]; }
    std::uint8_t Selection(int code) const { return Selected[static_cast<std::size_t>(code)]; }

    bool operator==(const Font&) const = default;
};

// A loaded font of this height with every glyph absent: what New FNT makes.
inline Font EmptyFont(int height) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = static_cast<std::uint8_t>(height);
    for (CharInfo& glyph : font.Chars)
        MakeAbsent(glyph, height);
    return font;
}

}  // namespace gft
