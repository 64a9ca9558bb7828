#pragma once

#include <string>

namespace gft {

class Session;

// The label beside the grid for a picked-up glyph: "#65 ($41)", then " E"
// when it is absent, " S" when selected, " D" when different.
std::string PickUpLabel(const Session& session, int code);

// One left click on tile index: picks a glyph up, or drops the picked-up one
// there (swap, or copy when shift holds Shift, Ctrl or Alt).
void Char_Click(Session& session, int index, int shift);

// Swaps (copyMode 0) or copies two glyph records and redraws them.
void MoveOrCopyChar(Session& session, int source, int target, int copyMode);

// Leaves the picked-up state of the glyph grid, if a glyph is picked up.
void CancelMove(Session& session);

}  // namespace gft
