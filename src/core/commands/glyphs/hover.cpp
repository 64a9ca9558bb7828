#include "commands/glyphs/hover.h"

#include <cstdio>

#include "session/change_marks.h"
#include "session/preview.h"
#include "session/session.h"
#include "support/cp1250.h"

namespace gft {

namespace {

std::string HoverCharacter(int code) {
    if (code == 0 || code == 10 || code == 13)
        return Cp1250ToUtf8(static_cast<std::uint8_t>(code + 1));
    if (code == 38) return "&&";
    return Cp1250ToUtf8(static_cast<std::uint8_t>(code));
}

}  // namespace

std::string HoverLabelText(const Font& font, int code) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "\" $%X #%d", code, code);
    std::string text = "\"" + HoverCharacter(code) + numbers;
    if (font.Selection(code) == 1) text += " L";
    return text;
}

void HoverUpdate(Session& session, int code) {
    if (code == session.HoverChar || code < 0 || code >= kGlyphCount) return;
    session.HoverChar = code;
    int zoomWidth = 0;
    int zoomHeight = 0;
    const Font& font = session.font;
    if (font.FontLoaded) {
        const CharInfo& glyph = font.Glyph(code);
        zoomHeight = font.FontHeight;
        if (session.On(Toggle::DontCutBitmaps))
            zoomWidth = glyph.BytesPerRow() * 8;
        else
            zoomWidth = glyph.Width == 0 ? 1 : glyph.Width;
    }
    std::string label = HoverLabelText(font, code);
    if (DiffersFromCompared(session.compared, font, code)) label += " D";
    if (GlyphChanged(session, code)) label += " changed";
    session.view.HoverChanged(code, label, zoomWidth, zoomHeight);
}

void ShowHoverAgain(Session& session) {
    const int hovered = session.HoverChar;
    session.HoverChar = kNoHoverChar;
    HoverUpdate(session, hovered);
}

void RedrawGlyph(Session& session, int index) {
    RedrawTiles(session, index, index);
    session.HoverChar = kNoHoverChar;
    HoverUpdate(session, index);
}

}  // namespace gft
