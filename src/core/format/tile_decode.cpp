#include "format/tile_decode.h"

#include <cstdlib>

namespace gft {

namespace {

constexpr int kMaxSide = 4096;

std::uint32_t Le(const Bytes& b, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    return value;
}

std::uint32_t PaletteColour(const Bytes& b, std::size_t at) {
    return 0xFF000000u | (std::uint32_t{b[at + 2]} << 16) | (std::uint32_t{b[at + 1]} << 8) | b[at];
}

}  // namespace

std::optional<TilePixels> DecodeTileBitmap(const Bytes& file) {
    if (file.size() < 62 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const std::uint32_t dataOffset = Le(file, 10, 4);
    const std::uint32_t infoSize = Le(file, 14, 4);
    const auto width = static_cast<std::int32_t>(Le(file, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(Le(file, 22, 4));
    if (infoSize < 40 || Le(file, 26, 2) != 1 || Le(file, 28, 2) != 1 || Le(file, 30, 4) != 0)
        return std::nullopt;
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide) return std::nullopt;

    const std::size_t palette = 14 + std::size_t{infoSize};
    const std::size_t stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    if (palette + 8 > file.size() || dataOffset > file.size() ||
        file.size() - dataOffset < stride * static_cast<std::size_t>(height))
        return std::nullopt;
    const std::uint32_t colours[2] = {PaletteColour(file, palette),
                                      PaletteColour(file, palette + 4)};

    TilePixels pixels{width, height, {}};
    pixels.argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int stored = rawHeight < 0 ? y : height - 1 - y;
        const std::uint8_t* row =
            file.data() + dataOffset + stride * static_cast<std::size_t>(stored);
        std::uint32_t* out = pixels.argb.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x)
            out[x] = colours[(row[x >> 3] >> (7 - (x & 7))) & 1];
    }
    return pixels;
}

}  // namespace gft
