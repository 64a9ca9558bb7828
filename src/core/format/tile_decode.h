#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "support/bytes.h"

namespace gft {

// The picture of a tile bitmap file: width x height colours 0xFFRRGGBB, the
// top row first.
struct TilePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// Reads an uncompressed 1-bit BMP with a two-colour palette, the kind the
// renderer writes (bottom-up, or top-down with a negative height). Anything
// else, and any file too short for what its header claims, gives nothing.
std::optional<TilePixels> DecodeTileBitmap(const Bytes& file);

}  // namespace gft
