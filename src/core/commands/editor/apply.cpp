#include "commands/editor/apply.h"

#include "commands/editor/char_editor.h"
#include "commands/glyphs/hover.h"
#include "session/session.h"
#include "session/undo_step.h"

namespace gft {

namespace {

void CopyIntoFont(Session& session, bool recomputeMaxWidth) {
    session.font.Glyph(session.EditorChar) = session.editor.EditChr;
    RedrawGlyph(session, session.EditorChar);
    if (recomputeMaxWidth) session.setMaxWidth();
    session.SetEditStatus(2);
}

}  // namespace

void ApplyGlyph(Session& session) {
    if (!EditorReady(session)) return;
    CopyIntoFont(session, true);
}

void AutoApplyIfChanged(Session& session, const CharInfo& before) {
    if (!session.On(Toggle::AutoApply) || session.editor.EditChr == before) return;
    if (!EditorReady(session)) return;
    UndoStep step(session, "Auto apply");
    const bool widthChanged =
        session.font.Glyph(session.EditorChar).Width != session.editor.EditChr.Width;
    CopyIntoFont(session, widthChanged);
}

}  // namespace gft
