#include "commands/window/history_commands.h"

#include <algorithm>

#include "commands/editor/char_editor.h"
#include "commands/glyphs/hover.h"
#include "commands/glyphs/move_copy.h"
#include "session/preview.h"
#include "session/session.h"
#include "session/undo_step.h"

namespace gft {

namespace {

// Redraws the codes whose tile differs between two states, as one range.
void RedrawChanged(Session& session, const Font& before) {
    const Font& now = session.font;
    int first = kGlyphCount;
    int last = -1;
    for (int c = 0; c < kGlyphCount; ++c) {
        const bool changed = before.FontHeight != now.FontHeight ||
                             before.Glyph(c) != now.Glyph(c) ||
                             before.Selection(c) != now.Selection(c);
        if (!changed) continue;
        first = std::min(first, c);
        last = c;
    }
    if (last >= 0) RedrawTiles(session, first, last);
}

// Shows a state the history put into the font.
void ShowRestored(Session& session, const Font& before, const std::string& line) {
    RedrawChanged(session, before);
    const std::uint8_t level = session.history.EditLevelAgainstSaved(session.font);
    session.font.EditStatus = level;
    session.SetEditStatus(level);
    if (session.editor.visible) {
        session.editor.EditChr = session.font.Chars[session.EditorChar];
        LoadEditorGlyph(session);
    }
    ShowHoverAgain(session);
    session.Log(line);
    ShowHistory(session);
}

}  // namespace

void UndoLastStep(Session& session) {
    if (!session.history.CanUndo()) return;
    CancelMove(session);
    const Font before = session.font;
    const auto name = session.history.Undo(session.font);
    ShowRestored(session, before, "Undo " + *name);
}

void RedoNextStep(Session& session) {
    if (!session.history.CanRedo()) return;
    CancelMove(session);
    const Font before = session.font;
    const auto name = session.history.Redo(session.font);
    ShowRestored(session, before, "Redo " + *name);
}

}  // namespace gft
