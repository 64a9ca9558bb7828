#pragma once

#include <string>

namespace gft {

class Session;

// Replaces all 256 glyphs with the 8 x 8 characters of an 8-bit computer
// font. remap: the file is an Atari font in the machine's internal order
// (only its first 128 characters are used; a 512-byte file holds packed
// 4-pixel characters). Otherwise the bytes are taken in file order. The
// font is left as it was when the file is missing or empty, and on a read
// error (AppError). Returns false when the file was refused.
bool ImportEightBitFont(Session& session, const std::string& path, bool remap);

}  // namespace gft
