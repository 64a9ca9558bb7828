#pragma once

namespace gft {

class Session;

// "Move &up" (0) and "Move &down" (1): every row's visible pixels move one
// row up or down, the row pushed out coming in at the other end; each row
// keeps its own beyond-width bits. Needs a height of 2 or more.
void cmdMoveH_Click(Session& session, int index);

}  // namespace gft
