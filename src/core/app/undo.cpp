#include "app/undo.h"

#include <algorithm>

#include "app/session.h"
#include "commands/move_copy.h"
#include "editor/char_editor.h"
#include "render/hover.h"
#include "render/preview.h"

namespace gft {

namespace {

void ShowHistory(Session& session) {
    session.view.HistoryChanged(session.history.UndoName(), session.history.RedoName());
}

// Redraws the codes whose tile differs between two states, as one range.
void RedrawChanged(Session& session, const Font& before) {
    const Font& now = session.font;
    int first = kGlyphCount;
    int last = -1;
    for (int c = 0; c < kGlyphCount; ++c) {
        const bool changed = before.FontHeight != now.FontHeight ||
                             before.Chars[c] != now.Chars[c] ||
                             before.Selected[c] != now.Selected[c];
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
        EditorFormLoad(session);
    }
    const int hovered = session.HoverChar;
    session.HoverChar = kNoHoverChar;
    HoverUpdate(session, hovered);
    session.Log(line);
    ShowHistory(session);
}

}  // namespace

UndoStep::UndoStep(Session& session, std::string name) : session_(session), name_(std::move(name)) {
    if (session_.stepDepth++ == 0) session_.history.Rebase(session_.font);
}

UndoStep::~UndoStep() {
    if (--session_.stepDepth != 0) return;
    if (session_.history.Record(session_.font, name_)) ShowHistory(session_);
}

void ResetHistory(Session& session) {
    session.history.Reset(session.font);
    ShowHistory(session);
}

void MarkHistorySaved(Session& session) {
    session.history.MarkSaved(session.font);
}

void mnuUndo_Click(Session& session) {
    if (!session.history.CanUndo()) return;
    CancelMove(session);
    const Font before = session.font;
    const auto name = session.history.Undo(session.font);
    ShowRestored(session, before, "Undo " + *name);
}

void mnuRedo_Click(Session& session) {
    if (!session.history.CanRedo()) return;
    CancelMove(session);
    const Font before = session.font;
    const auto name = session.history.Redo(session.font);
    ShowRestored(session, before, "Redo " + *name);
}

}  // namespace gft
