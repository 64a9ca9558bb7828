#pragma once

#include <string>

#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

// The FNT file image of a font. With shareDuplicates, a glyph whose bytes
// equal those of an earlier present glyph points at that glyph's data.
// Throws AppError 6 "Overflow" when the data block would pass 32767 bytes.
Bytes BuildFntImage(const Font& font, bool shareDuplicates);

// The length of the data block that image would have (its place-holder byte
// and every glyph stored), counted without building it.
std::size_t DataBlockLength(const Font& font, bool shareDuplicates);

}  // namespace gft
