#pragma once

namespace gft {

class Session;

// Height menu: 0 top gap increase, 1 top gap decrease, 2 down gap increase,
// 3 down gap decrease; a decrease is refused while a glyph has ink in the row.
void ChangeHeightGap(Session& session, int index);

}  // namespace gft
