#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

// The two warnings for a file of another length than 1024 or 512 bytes;
// none for those two.
std::vector<std::string> EightBitSizeWarnings(std::int64_t length);

// The bytes to read of an 8-bit font file of this length.
std::size_t EightBitBytesToRead(std::int64_t length, bool remap);

struct EightBitImport {
    Font font;
    std::vector<std::string> lines;  // "Detected F80! ..." when 4-pixel characters were found
};

// The 8 x 8 characters of an 8-bit computer font over base: all 256 glyphs
// are replaced, the height becomes 8, MaxWidth 8 (4 for 4-pixel characters).
// remap: the file is an Atari font in the machine's internal order (only its
// first 128 characters are used; a 512-byte file holds packed 4-pixel
// characters); otherwise the bytes are taken in file order. selected is the
// selection read beside the file, in file order; it moves with the glyphs.
// An all-zero character other than the space is absent.
EightBitImport ParseEightBitFont(const Bytes& file, bool remap,
                                 const std::array<std::uint8_t, kGlyphCount>& selected,
                                 const Font& base);

}  // namespace gft
