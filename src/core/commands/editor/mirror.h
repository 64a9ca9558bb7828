#pragma once

namespace gft {

class Session;

// "Mirror &H" (0): visible column c and column Width - 1 - c change places in
// every row; the beyond-width bits stay. "Mirror &V" (1): row r and row
// FontHeight - 1 - r exchange their visible pixels. Only on a present glyph.
void cmdMirror_Click(Session& session, int index);

}  // namespace gft
