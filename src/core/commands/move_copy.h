#pragma once

namespace gft {

class Session;

// Leaves the picked-up state of the glyph grid, if a glyph is picked up.
void CancelMove(Session& session);

}  // namespace gft
