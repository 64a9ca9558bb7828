#include "commands/editor/width_commands.h"

#include <algorithm>

#include "commands/editor/apply.h"
#include "commands/editor/caption.h"
#include "commands/editor/char_editor.h"
#include "format/glyph_rows.h"
#include "session/session.h"

namespace gft {

namespace {

void SetWidth(Session& session, int width) {
    CharInfo& glyph = session.editor.EditChr;
    ResizeWidth(glyph, session.font.FontHeight, width);
    glyph.Present = true;
    UpdateEditorCaption(session);
    session.view.EditorChanged();
}

}  // namespace

bool NarrowEditChr(Session& session) {
    const int width = session.editor.EditChr.Width;
    if (width == 0) return false;
    SetWidth(session, width - 1);
    return true;
}

bool WidenEditChr(Session& session) {
    const int width = session.editor.EditChr.Width;
    if (width == 255) return false;
    SetWidth(session, width + 1);
    return true;
}

void ChangeWidth(Session& session, WidthStep step) {
    if (!EditorReady(session)) return;
    const CharInfo before = session.editor.EditChr;
    if (step == WidthStep::Narrower)
        NarrowEditChr(session);
    else
        WidenEditChr(session);
    AutoApplyIfChanged(session, before);
}

int InkWidth(const CharInfo& glyph, int height) {
    for (int col = glyph.BytesPerRow() * 8 - 1; col >= 0; --col)
        if (ColumnHasInk(glyph, height, col)) return std::min(col + 1, 255);
    return 0;
}

void FitWidth(Session& session) {
    if (!EditorReady(session)) return;
    const int width = InkWidth(session.editor.EditChr, session.font.FontHeight);
    if (width == session.editor.EditChr.Width) return;
    const CharInfo before = session.editor.EditChr;
    SetWidth(session, width);
    AutoApplyIfChanged(session, before);
}

}  // namespace gft
