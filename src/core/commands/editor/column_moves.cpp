#include "commands/editor/column_moves.h"

#include "commands/editor/apply.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/width_commands.h"
#include "format/glyph_rows.h"
#include "session/session.h"

namespace gft {

namespace {

void ShiftRowsLeft(CharInfo& glyph, int height) {
    for (int row = 0; row < height; ++row) {
        const auto bytes = RowBytes(glyph, row);
        for (std::size_t j = 0; j < bytes.size(); ++j) {
            const int carry = j + 1 < bytes.size() ? bytes[j + 1] >> 7 : 0;
            bytes[j] = static_cast<std::uint8_t>((bytes[j] << 1) | carry);
        }
    }
}

void ShiftRowsRight(CharInfo& glyph, int height) {
    for (int row = 0; row < height; ++row) {
        const auto bytes = RowBytes(glyph, row);
        for (std::size_t j = bytes.size(); j-- > 0;) {
            const int carry = j > 0 ? (bytes[j - 1] & 1) << 7 : 0;
            bytes[j] = static_cast<std::uint8_t>((bytes[j] >> 1) | carry);
        }
    }
}

void MoveLeft(Session& session) {
    CharInfo& glyph = session.editor.EditChr;
    const int height = session.font.FontHeight;
    if (glyph.Width == 0) session.Log("Warning: Width is null - cannot decrease");
    if (ColumnHasInk(glyph, height, 0)) {
        session.Log("1st column is not empty - cannot move left any further");
        return;
    }
    ShiftRowsLeft(glyph, height);
    if (!NarrowEditChr(session)) session.view.EditorChanged();
}

void MoveRight(Session& session) {
    const int height = session.font.FontHeight;
    if (!WidenEditChr(session)) {
        session.Log("Warning: Width is 255 - cannot expand");
        if (ColumnHasInk(session.editor.EditChr, height, 254)) {
            session.Log("last valid column is not empty - cannot move right any further");
            return;
        }
    }
    ShiftRowsRight(session.editor.EditChr, height);
    session.view.EditorChanged();
}

}  // namespace

void ShiftColumns(Session& session, ColumnShift shift) {
    if (!EditorReady(session) || !session.editor.EditChr.Present) return;
    const CharInfo before = session.editor.EditChr;
    if (shift == ColumnShift::Left)
        MoveLeft(session);
    else
        MoveRight(session);
    AutoApplyIfChanged(session, before);
}

}  // namespace gft
