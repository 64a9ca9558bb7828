#include "editor/char_editor.h"

#include "app/session.h"

namespace gft {

void mnuCharEditor_Click(Session& session) {
    if (!session.font.FontLoaded) return;
    session.editor.EditChr = session.font.Chars[session.EditorChar];
    EditorFormLoad(session);
    session.editor.visible = true;
    session.view.ShowEditor();
}

void EditorFormLoad(Session& session) {
    if (!session.font.FontLoaded) return;
    session.editor.EditChrBackup = session.editor.EditChr;
    session.view.EditorChanged();
}

void HideCharEditor(Session& session) {
    session.editor.visible = false;
    session.view.HideEditor();
}

}  // namespace gft
