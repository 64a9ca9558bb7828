#pragma once

namespace gft {

class Session;

// "Import selections (lok)..." (F9): asks for a selection table and reads it
// into the selection as a font's own table is read beside it: 256 bytes, a
// size message for any other length (what there is still counts), values
// above 1 taken as 1. Without a font it does nothing.
void ImportSelections(Session& session);

}  // namespace gft
