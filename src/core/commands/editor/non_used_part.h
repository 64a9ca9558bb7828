#pragma once

#include <cstdint>

namespace gft {

struct EditorState;

// The number of beyond-width columns of a glyph: the low bits of every row's
// last byte that lie past the width (0..7, and 8 for width 0).
int NonUsedBitCount(int width);

// Remembers the beyond-width bits of a row's last byte in NonUsedPart and
// returns the byte with them cleared. With no beyond-width bits it returns
// the byte and NonUsedPart keeps its value.
std::uint8_t SeparateNonUsedPart(EditorState& editor, std::uint8_t byteTo);

// Puts the remembered NonUsedPart back into the beyond-width bits of a row's
// last byte.
std::uint8_t PutBackNonUsedPart(const EditorState& editor, std::uint8_t byteTo);

}  // namespace gft
