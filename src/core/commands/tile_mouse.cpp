#include "commands/tile_mouse.h"

#include "app/session.h"
#include "commands/move_copy.h"
#include "commands/selection.h"
#include "editor/char_editor.h"

namespace gft {

void imgChar_MouseDown(Session& session, int index, int button, int shift) {
    if (index < 0 || index >= kGlyphCount || !session.font.FontLoaded) return;
    switch (button) {
        case kLeftButton:
            Char_Click(session, index, shift);
            break;
        case kRightButton:
            ToggleSelection(session, index);
            break;
        case kMiddleButton:
            session.EditorChar = static_cast<std::uint8_t>(index);
            mnuCharEditor_Click(session);
            break;
        default:
            break;
    }
}

}  // namespace gft
