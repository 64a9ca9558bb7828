// Feeds any bytes to the 8-bit font import. The first byte picks the
// variant (odd: the Atari's order, even: file order); the rest is the file.
#include "format/eight_bit_font.h"
#include "fuzz_support.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;  // an empty file is refused before it is read
    const bool remap = data[0] & 1;
    const Bytes file(data + 1, data + size);
    std::array<std::uint8_t, kGlyphCount> selected{};
    for (int c = 0; c < kGlyphCount; ++c)
        selected[c] = static_cast<std::uint8_t>(c / 3 % 2);
    const Font font = ParseEightBitFont(file, remap, selected, fuzz::BaseFont(13)).font;
    fuzz::RequireSoundFont(font);
    Require(font.FontHeight == 8, "import left a height other than 8");
    Require(font.Chars[32].Present, "the space is absent after an import");
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& glyph = font.Chars[code];
        Require(glyph.HasError == 0 && (glyph.Width == 0 || glyph.Width == font.MaxWidth),
                "an imported glyph has another width or an error mark");
        if (remap && code >= 128)
            Require(!glyph.Present, "the Atari import filled a code above 127");
    }
    return 0;
}
