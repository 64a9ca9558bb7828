#pragma once

#include <vector>

namespace gft {

class Session;

// True when the glyph of code differs from the last loaded or saved state in
// its bytes, width or presence; two absent glyphs are alike whatever the
// height. Before any load or save every present glyph counts as changed.
bool GlyphChanged(const Session& session, int code);

// The changed codes, ascending.
std::vector<int> ChangedCodes(const Session& session);

// Tells the view which of the tiles first..last carry a change mark.
void ShowChangeMarks(Session& session, int first = 0, int last = 255);

}  // namespace gft
