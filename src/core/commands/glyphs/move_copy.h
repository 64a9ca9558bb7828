#pragma once

#include <cstdint>
#include <string>

namespace gft {

class Session;

// The label beside the grid for a picked-up glyph: "#65 ($41)", then " E"
// when it is absent, " S" when selected, " D" when different.
std::string PickUpLabel(const Session& session, int code);

// What dropping a picked-up glyph does: swap it with the glyph there, or copy
// it over that glyph (a drop with Shift, Ctrl or Alt held).
enum class Drop : std::uint8_t { Move, Copy };

// One left click on tile code: picks a glyph up, or drops the picked-up one
// there.
void PickUpOrDrop(Session& session, int code, Drop drop);

// Swaps or copies two glyph records and redraws them.
void MoveOrCopyGlyph(Session& session, int source, int target, Drop drop);

// Leaves the picked-up state of the glyph grid, if a glyph is picked up.
void CancelMove(Session& session);

}  // namespace gft
