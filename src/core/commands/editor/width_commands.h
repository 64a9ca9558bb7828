#pragma once

#include <cstdint>

namespace gft {

struct CharInfo;

class Session;

// "Width &-" and "Width &+": the glyph becomes one column narrower or
// wider and present. Crossing a byte boundary drops each row's last byte or
// adds a zero byte to each row; otherwise the bits stay, so widening shows
// the beyond-width bit the row held. Nothing at width 0 or 255.
enum class WidthStep : std::uint8_t { Narrower, Wider };
void ChangeWidth(Session& session, WidthStep step);

// The two width steps without "[Auto apply]", for the column moves.
// Each returns false at its limit.
bool NarrowEditChr(Session& session);
bool WidenEditChr(Session& session);

// The width that just holds a glyph's ink: one past its rightmost column with
// ink, beyond-width columns included; 0 for a glyph without ink. At most 255:
// ink in column 255 of a 255 wide glyph stays a beyond-width bit.
int InkWidth(const CharInfo& glyph, int height);

// "Fix &Width": sets the width to InkWidth. No ink is ever cut off and the
// pixels stay as they are; bytes a row no longer needs are blank and dropped.
// A glyph whose width changes becomes present, as with the width buttons.
void FitWidth(Session& session);

}  // namespace gft
