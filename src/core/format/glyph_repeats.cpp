#include "format/glyph_repeats.h"

namespace gft {

std::array<int, kGlyphCount> RepeatsOfPrevious(const Font& font, const GlyphChoice& chosen) {
    std::array<int, kGlyphCount> repeats;
    repeats.fill(-1);
    int previous = -1;
    for (int code = 0; code < kGlyphCount; ++code) {
        if (!chosen[code]) continue;
        if (previous >= 0 && font.Chars[previous] == font.Chars[code]) repeats[code] = previous;
        previous = code;
    }
    return repeats;
}

}  // namespace gft
