#include "commands/window/window_commands.h"

#include "commands/glyphs/hover.h"
#include "commands/glyphs/move_copy.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

void Refresh(Session& session) {
    if (!session.font.FontLoaded) return;
    RedrawTiles(session, 0, 255);
    session.setMaxWidth();
    session.SetEditStatus(session.font.EditStatus);
    ShowHoverAgain(session);
}

void RequestExit(Session& session) {
    session.view.CloseRequested();
}

void EscapePressed(Session& session) {
    if (session.MovePending) {
        CancelMove(session);
        return;
    }
    if (session.font.EditStatus == 0) session.view.CloseRequested();
}

void ChooseBaseFont(Session& session) {
    const auto chosen = session.view.AskFont(session.options.baseFont);
    if (!chosen) return;
    session.options.baseFont = *chosen;
    session.view.BaseFontChanged(session.options.baseFont);
}

}  // namespace gft
