#include "commands/editor/mirror.h"

#include "commands/editor/apply.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/row_exchange.h"
#include "format/glyph_rows.h"
#include "session/session.h"

namespace gft {

namespace {

void MirrorHorizontally(CharInfo& glyph, int height) {
    const int width = glyph.Width;
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width / 2; ++col) {
            const bool left = PixelAt(glyph, row, col);
            SetPixel(glyph, row, col, PixelAt(glyph, row, width - 1 - col));
            SetPixel(glyph, row, width - 1 - col, left);
        }
    }
}

void MirrorVertically(EditorState& editor, int height) {
    for (int row = 0; row < height / 2; ++row)
        ExchangeRows(editor, row, height - 1 - row);
}

}  // namespace

void MirrorGlyph(Session& session, Axis axis) {
    if (!EditorReady(session) || !session.editor.EditChr.Present) return;
    const CharInfo before = session.editor.EditChr;
    if (axis == Axis::Horizontal)
        MirrorHorizontally(session.editor.EditChr, session.font.FontHeight);
    else
        MirrorVertically(session.editor, session.font.FontHeight);
    session.view.EditorChanged();
    AutoApplyIfChanged(session, before);
}

}  // namespace gft
