#include "commands/glyphs/selection.h"

#include "commands/editor/caption.h"
#include "commands/glyphs/hover.h"
#include "session/session.h"
#include "session/undo_step.h"

namespace gft {

void ToggleSelection(Session& session, int code) {
    if (code < 0 || code >= kGlyphCount || !session.font.FontLoaded) return;
    UndoStep step(session, "Toggle selection");
    auto& selected = session.font.Selection(code);
    selected = static_cast<std::uint8_t>(1 - selected);
    RedrawGlyph(session, code);
    session.SetEditStatus(1);
    UpdateEditorCaption(session);
}

}  // namespace gft
