#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gft {

// Glyph bitmaps, file images and tile bitmaps are plain byte buffers.
using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

}  // namespace gft
