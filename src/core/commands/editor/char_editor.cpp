#include "commands/editor/char_editor.h"

#include "commands/editor/apply.h"
#include "commands/editor/caption.h"
#include "format/glyph_rows.h"
#include "session/session.h"

namespace gft {

void OpenCharEditor(Session& session) {
    if (!session.font.FontLoaded) return;
    session.editor.EditChr = session.font.Glyph(session.EditorChar);
    LoadEditorGlyph(session);
    session.editor.visible = true;
    session.view.ShowEditor();
}

void LoadEditorGlyph(Session& session) {
    if (!session.font.FontLoaded) return;
    session.editor.EditChrBackup = session.editor.EditChr;
    UpdateEditorCaption(session);
    session.view.EditorChanged();
    session.view.EditorScrollReset();
}

void HideCharEditor(Session& session) {
    session.editor.visible = false;
    session.view.HideEditor();
}

bool EditorReady(const Session& session) {
    return session.font.FontLoaded && FitsHeight(session.editor.EditChr, session.font.FontHeight);
}

void EraseGlyph(Session& session) {
    if (!EditorReady(session)) return;
    const CharInfo before = session.editor.EditChr;
    CharInfo& glyph = session.editor.EditChr;
    MakeAbsent(glyph, session.font.FontHeight);
    glyph.HasError = 0;
    UpdateEditorCaption(session);
    session.view.EditorChanged();
    AutoApplyIfChanged(session, before);
}

void RestoreGlyph(Session& session) {
    if (!EditorReady(session) || !FitsHeight(session.editor.EditChrBackup, session.font.FontHeight))
        return;
    const CharInfo before = session.editor.EditChr;
    session.editor.EditChr = session.editor.EditChrBackup;
    UpdateEditorCaption(session);
    session.view.EditorChanged();
    AutoApplyIfChanged(session, before);
}

void GoToNeighbour(Session& session, Neighbour neighbour) {
    if (!session.font.FontLoaded) return;
    const int step = neighbour == Neighbour::Previous ? -1 : 1;
    const int code = session.EditorChar + step;
    if (code < 0 || code >= kGlyphCount) return;
    session.EditorChar = static_cast<std::uint8_t>(code);
    session.editor.EditChr = session.font.Glyph(session.EditorChar);
    LoadEditorGlyph(session);
}

bool EditorKeyPress(Session& session, int keyAscii) {
    if (keyAscii != 27) return false;
    HideCharEditor(session);
    return true;
}

}  // namespace gft
