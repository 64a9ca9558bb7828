// Feeds any bytes as the clipboard's own form of glyphs. A form the decoder
// takes must encode back to a form that decodes to the same glyphs, each of
// exactly its rows' bytes and, when present, at least 1 wide; pasted into a
// font of another height, the font must stay sound.
#include <algorithm>
#include <string_view>

#include "commands/glyphs/glyph_paste.h"
#include "format/glyph_clipboard.h"
#include "fuzz_support.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

void RequireExactRows(const GlyphClipboard& clipboard) {
    Require(clipboard.height >= 1 && clipboard.height <= 255, "height out of range");
    Require(clipboard.glyphs.size() <= kMaxClipboardGlyphs, "too many glyphs");
    for (const ClipboardGlyph& item : clipboard.glyphs) {
        Require(item.code >= 0 && item.code < kGlyphCount, "code out of range");
        Require(item.glyph.DataSize() == item.glyph.BytesPerRow() * clipboard.height,
                "a glyph's bytes are not its rows");
        Require(item.glyph.Present ? item.glyph.Width >= 1 : item.glyph.Width == 0,
                "a present glyph of width 0, or an absent one with a width");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const GlyphClipboardReading read = DecodeGlyphClipboard(text);
    if (!read.clipboard) {
        Require(!read.error.empty(), "a refusal without a reason");
        return 0;
    }
    const GlyphClipboard& clipboard = *read.clipboard;
    RequireExactRows(clipboard);
    const GlyphClipboardReading again = DecodeGlyphClipboard(EncodeGlyphClipboard(clipboard));
    Require(again.clipboard && *again.clipboard == clipboard, "the form does not come back");

    Font font = fuzz::BaseFont(1 + static_cast<int>(size % 9));
    font.Selected[static_cast<std::size_t>(size % 256)] = 1;
    ApplyGlyphPaste(font, PlanGlyphPaste(font, clipboard, static_cast<int>(size % 300)));
    font.Selected.fill(0);
    ApplyGlyphPaste(font, PlanGlyphPaste(font, clipboard, static_cast<int>(size % 256)));
    font.MaxWidth = 0;  // the command recomputes it
    for (const CharInfo& glyph : font.Chars)
        font.MaxWidth = std::max(font.MaxWidth, glyph.Width);
    fuzz::RequireSoundFont(font);
    return 0;
}
