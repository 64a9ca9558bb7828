#pragma once

namespace gft {

struct EditorState;

// Exchanges the visible pixels of rows a and b of EditChr (0-based); each row
// keeps its own beyond-width bits.
void ExchangeRows(EditorState& editor, int a, int b);

}  // namespace gft
