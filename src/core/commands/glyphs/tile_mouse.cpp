#include "commands/glyphs/tile_mouse.h"

#include "commands/editor/char_editor.h"
#include "commands/glyphs/move_copy.h"
#include "commands/glyphs/selection.h"
#include "session/notices.h"
#include "session/session.h"

namespace gft {

void PressOnTile(Session& session, int code, int button, int modifiers) {
    if (code < 0 || code >= kGlyphCount || !session.font.FontLoaded) return;
    BeginCommand(session);
    switch (button) {
        case kLeftButton:
            PickUpOrDrop(session, code, modifiers != 0 ? Drop::Copy : Drop::Move);
            break;
        case kRightButton:
            ToggleSelection(session, code);
            break;
        case kMiddleButton:
            session.EditorChar = static_cast<std::uint8_t>(code);
            OpenCharEditor(session);
            break;
        default:
            break;
    }
}

}  // namespace gft
