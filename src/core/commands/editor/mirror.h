#pragma once

#include <cstdint>

namespace gft {

class Session;

// "Mirror &H": visible column c and column Width - 1 - c change places in
// every row; the beyond-width bits stay. "Mirror &V": row r and row
// FontHeight - 1 - r exchange their visible pixels. Only on a present glyph.
enum class Axis : std::uint8_t { Horizontal, Vertical };
void MirrorGlyph(Session& session, Axis axis);

}  // namespace gft
