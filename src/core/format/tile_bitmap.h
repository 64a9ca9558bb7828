#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

inline constexpr int kBmpHeaderSize = 62;
using BmpHeaderBytes = std::array<std::uint8_t, kBmpHeaderSize>;

// "00.BMP" .. "FF.BMP".
std::string TileFileName(int code);

// The header of a 1-bit 8 x 8 bitmap with a black and white palette; the
// renderer overwrites its size and colour fields for every tile.
BmpHeaderBytes DefaultBmpHeader();

struct TileOptions {
    bool showInvisible = false;  // "[Show invisible parts]"
    bool yellowWide = false;     // "[Width > 8 = yellow]"
};

// The tile bitmap file of one glyph: a bottom-up 1-bit BMP, one palette
// colour for the background (blue when selected) and one for ink.
Bytes BuildTileBitmap(const Font& font, int code, TileOptions options);

// The uniform silver 8 x 8 picture shown on every tile while no font is loaded.
Bytes BlankTileBitmap();

}  // namespace gft
