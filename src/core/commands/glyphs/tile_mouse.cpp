#include "commands/glyphs/tile_mouse.h"

#include "commands/editor/char_editor.h"
#include "commands/glyphs/move_copy.h"
#include "commands/glyphs/selection.h"
#include "session/session.h"

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
