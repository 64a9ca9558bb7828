#include "commands/editor/row_moves.h"

#include "commands/editor/apply.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/row_exchange.h"
#include "session/session.h"

namespace gft {

void ShiftRows(Session& session, RowShift shift) {
    const int height = session.font.FontHeight;
    if (!EditorReady(session) || height < 2) return;
    const CharInfo before = session.editor.EditChr;
    if (shift == RowShift::Up) {
        for (int row = 0; row < height - 1; ++row)
            ExchangeRows(session.editor, row, row + 1);
    } else {
        for (int row = height - 1; row >= 1; --row)
            ExchangeRows(session.editor, row, row - 1);
    }
    session.view.EditorChanged();
    AutoApplyIfChanged(session, before);
}

}  // namespace gft
