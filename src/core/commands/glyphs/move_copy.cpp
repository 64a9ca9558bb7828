#include "commands/glyphs/move_copy.h"

#include <cstdio>
#include <utility>

#include "commands/glyphs/hover.h"
#include "session/preview.h"
#include "session/session.h"
#include "session/undo_step.h"

namespace gft {

std::string PickUpLabel(const Session& session, int code) {
    char text[32];
    std::snprintf(text, sizeof text, "#%d ($%X)", code, code);
    std::string label = text;
    const auto c = static_cast<std::size_t>(code);
    if (!session.font.Glyph(code).Present) label += " E";
    if (session.font.Selection(code) == 1) label += " S";
    if (session.font.Different[c] == 1) label += " D";
    return label;
}

namespace {

bool IsCode(int code) {
    return code >= 0 && code < kGlyphCount;
}

}  // namespace

void PickUpOrDrop(Session& session, int code, Drop drop) {
    if (!IsCode(code) || !session.font.FontLoaded) return;
    if (!session.MovePending) {
        session.MoveSource = static_cast<std::uint8_t>(code);
        session.view.PickUpChanged(code, PickUpLabel(session, code));
        session.SetStatus("Move Char / Copy (with Shift) to...");
        session.MovePending = true;
        return;
    }
    UndoStep step(session, drop == Drop::Copy ? "Copy character" : "Move character");
    MoveOrCopyGlyph(session, session.MoveSource, code, drop);
    RedrawTiles(session, code, code);
    session.HoverChar = kNoHoverChar;
    HoverUpdate(session, code);
    session.setMaxWidth();
    session.SetEditStatus(2);
    CancelMove(session);
}

void MoveOrCopyGlyph(Session& session, int source, int target, Drop drop) {
    if (source == target || !IsCode(source) || !IsCode(target)) return;
    auto& chars = session.font.Chars;
    if (drop == Drop::Copy) {
        chars[static_cast<std::size_t>(target)] = chars[static_cast<std::size_t>(source)];
    } else {
        std::swap(chars[static_cast<std::size_t>(source)], chars[static_cast<std::size_t>(target)]);
        RedrawTiles(session, source, source);
    }
    RedrawTiles(session, target, target);
}

void CancelMove(Session& session) {
    if (!session.MovePending) return;
    session.view.PickUpChanged(-1, "");
    if (session.font.FontLoaded) session.ShowReadyStatus();
    session.MovePending = false;
}

}  // namespace gft
