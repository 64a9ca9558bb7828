#include "commands/glyphs/clipboard_commands.h"

#include <algorithm>

#include "commands/glyphs/glyph_paste.h"
#include "commands/glyphs/move_copy.h"
#include "format/glyph_dump.h"
#include "format/png_codec.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

namespace {

// The glyphs side by side, black ink on white, each as wide as it is.
GrayImage SideBySide(const GlyphClipboard& clipboard) {
    int width = 0;
    for (const ClipboardGlyph& item : clipboard.glyphs)
        width += item.glyph.Width;
    GrayImage picture(width, clipboard.height);
    int left = 0;
    for (const ClipboardGlyph& item : clipboard.glyphs) {
        const CharInfo& glyph = item.glyph;
        const int bytesPerRow = glyph.BytesPerRow();
        for (int y = 0; y < clipboard.height; ++y)
            for (int x = 0; x < glyph.Width; ++x) {
                const auto at = static_cast<std::size_t>(y * bytesPerRow + x / 8);
                if (at < glyph.Pixels.size() && (glyph.Pixels[at] & (0x80 >> (x % 8))) != 0)
                    picture.Set(left + x, y, 0);
            }
        left += glyph.Width;
    }
    return picture;
}

ClipboardGlyphForms FormsOf(const Font& font, const std::vector<int>& codes) {
    const GlyphClipboard clipboard = CopyGlyphs(font, codes);
    ClipboardGlyphForms forms;
    forms.own = EncodeGlyphClipboard(clipboard);
    for (const int code : codes)
        forms.text += DumpGlyph(font, code);
    const GrayImage picture = SideBySide(clipboard);
    if (picture.width > 0 && picture.height > 0)
        if (FormatResult<Bytes> png = EncodePng(picture); png.ok())
            forms.png = std::move(png.value);
    return forms;
}

std::optional<GlyphPaste> PlanPaste(Session& session, const ClipboardContent& content) {
    const Font& font = session.font;
    if (content.own) {
        GlyphClipboardReading reading = DecodeGlyphClipboard(*content.own);
        if (!reading.clipboard) {
            session.Log("The clipboard's characters could not be read: " + reading.error);
            ++session.refusedFiles;
            return std::nullopt;
        }
        return PlanGlyphPaste(font, *reading.clipboard, session.HoverChar);
    }
    if (content.picture) return PlanPicturePaste(font, *content.picture, session.HoverChar);
    return std::nullopt;
}

}  // namespace

void CopyCharacters(Session& session) {
    if (!session.font.FontLoaded) return;
    const std::vector<int> codes = CopiedCodes(session.font, session.HoverChar);
    if (codes.empty()) return;
    session.view.PutGlyphsOnClipboard(FormsOf(session.font, codes));
}

void PasteCharacters(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const std::optional<GlyphPaste> paste = PlanPaste(session, session.view.ReadClipboard());
    if (!paste || paste->codes.empty()) return;
    ApplyGlyphPaste(session.font, *paste);
    const auto [first, last] = std::minmax_element(paste->codes.begin(), paste->codes.end());
    RedrawTiles(session, *first, *last);
    session.setMaxWidth();
    session.SetEditStatus(2);
    if (!paste->logLine.empty()) session.Log(paste->logLine);
}

}  // namespace gft
