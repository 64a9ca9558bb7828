#pragma once

#include <cstddef>
#include <string>

#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

// The FNT file image of a font. With shareDuplicates, a glyph whose bytes
// equal those of an earlier present glyph points at that glyph's data.
// Throws AppError 6 "Overflow: " + GlyphDataTooLarge when the data block
// would pass 32767 bytes.
Bytes BuildFntImage(const Font& font, bool shareDuplicates);

// The bytes of the data block BuildFntImage would write, the place-holder
// byte included; at most fnt::kMaxWrittenBlock can be written.
std::size_t FntDataBlockSize(const Font& font, bool shareDuplicates);

// Why a data block of `size` bytes cannot be written, in words: "the glyph
// data needs N bytes, at most 32767 fit in a font file".
std::string GlyphDataTooLarge(std::size_t size);

}  // namespace gft
