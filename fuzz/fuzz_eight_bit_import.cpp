// Feeds any bytes to the 8-bit font import. The first byte picks the
// variant (odd: the Atari's order, even: file order); the rest is the file.
#include "commands/files/import_font.h"
#include "fuzz_support.h"
#include "session/session.h"
#include "support/app_error.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool remap = data[0] & 1;
    const std::string path = fuzz::Scratch::Get().Write("input.bin", data + 1, size - 1);
    View view;
    Session session(view);
    session.TempFolder = fuzz::Scratch::Get().Tiles();
    session.tileCache = std::move(fuzz::Scratch::Get().tileCache);
    session.font = fuzz::BaseFont(13);
    const Font before = session.font;
    try {
        ImportEightBitFont(session, path, remap);
    } catch (const AppError&) {
        Require(false, "the import threw on a readable file");
    }
    fuzz::Scratch::Get().tileCache = std::move(session.tileCache);
    const Font& font = session.font;
    if (size == 1) {
        Require(font == before, "an empty file changed the font");
        return 0;
    }
    fuzz::RequireSoundFont(font);
    Require(font.FontHeight == 8 && font.EditStatus == 2, "import left a height other than 8");
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
