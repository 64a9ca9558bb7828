#include "commands/editor/compare_overlay.h"

#include <algorithm>

#include "commands/glyphs/hover.h"
#include "session/session.h"

namespace gft {

namespace {

// Pixels between the cell's edge and the mark at pitch 16; a quarter of the
// pitch at any other.
constexpr int kMarkInset = 4;

}  // namespace

void KeepComparedFont(Session& session, const std::array<CharInfo, kGlyphCount>& chars) {
    session.compared.kept = true;
    session.compared.height = session.font.FontHeight;
    session.compared.Chars = chars;
    session.view.ComparedFontChanged(true);
    ShowHoverAgain(session);
}

void ForgetComparedFont(Session& session) {
    if (!session.compared.kept) return;
    session.compared = {};
    session.view.ComparedFontChanged(false);
    ShowHoverAgain(session);
}

const CharInfo* OverlayGlyph(const Session& session) {
    if (!session.compared.kept || !session.On(Toggle::ShowCompared)) return nullptr;
    return &session.compared.Chars[session.EditorChar];
}

bool ComparedInk(const CharInfo& compared, int comparedHeight, int col, int row) {
    const int bytesPerRow = compared.BytesPerRow();
    if (row < 0 || row >= comparedHeight || col < 0 || col >= bytesPerRow * 8) return false;
    const std::size_t at = static_cast<std::size_t>(row * bytesPerRow + col / 8);
    return at < compared.Pixels.size() && (compared.Pixels[at] & (0x80 >> (col % 8))) != 0;
}

GridRect ComparedMark(int col, int row, int pitch) {
    const int inset = pitch * kMarkInset / kCellPitch;
    const int left = col * pitch + 1 + inset;
    const int top = row * pitch + 1 + inset;
    const int side = std::max(1, pitch - 1 - 2 * inset);
    return {left, top, left + side - 1, top + side - 1, kComparedInkColor};
}

}  // namespace gft
