#pragma once

#include <cstdint>

namespace gft {

class Session;

// "Move left": every row shifts one column left, beyond-width bits
// included, and the glyph narrows by one. Refused, with a log line, when
// column 0 has ink; at width 0 it warns and shifts the hidden bits only.
// "Move right": the glyph widens by one, then every row shifts one column
// right. At width 255 it warns and shifts without widening, unless column
// 254 has ink. Only on a present glyph.
enum class ColumnShift : std::uint8_t { Left, Right };
void ShiftColumns(Session& session, ColumnShift shift);

}  // namespace gft
