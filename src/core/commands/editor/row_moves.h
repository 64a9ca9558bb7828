#pragma once

#include <cstdint>

namespace gft {

class Session;

// "Move &up" and "Move &down": every row's visible pixels move one
// row up or down, the row pushed out coming in at the other end; each row
// keeps its own beyond-width bits. Needs a height of 2 or more.
enum class RowShift : std::uint8_t { Up, Down };
void ShiftRows(Session& session, RowShift shift);

}  // namespace gft
