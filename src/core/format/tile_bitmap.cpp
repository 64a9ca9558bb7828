#include "format/tile_bitmap.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace gft {

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kDarkGrey{80, 80, 80};
constexpr Rgb kSelectedBlue{28, 113, 198};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kSilver{192, 192, 192};

void Put16(Bytes& out, std::size_t at, unsigned value) {
    out[at] = static_cast<std::uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void PutColour(Bytes& out, std::size_t at, Rgb colour) {
    out[at] = colour.b;
    out[at + 1] = colour.g;
    out[at + 2] = colour.r;
    out[at + 3] = 0;
}

// Header for a bitmap of the given size, rows padded to 4 bytes.
Bytes Header(int widthPixels, int height, int bytesPerRow, Rgb background, Rgb ink) {
    const BmpHeaderBytes base = DefaultBmpHeader();
    Bytes out(base.begin(), base.end());
    const int pad = (4 - bytesPerRow % 4) % 4;
    const unsigned imageSize = static_cast<unsigned>(height * (bytesPerRow + pad));
    Put16(out, 2, kBmpHeaderSize + imageSize);
    Put16(out, 18, static_cast<unsigned>(widthPixels));
    out[22] = static_cast<std::uint8_t>(height);
    Put16(out, 34, imageSize);
    PutColour(out, 54, background);
    PutColour(out, 58, ink);
    return out;
}

}  // namespace

std::string TileFileName(int code) {
    char name[8];
    std::snprintf(name, sizeof name, "%02X.BMP", static_cast<unsigned>(code) & 0xFFu);
    return name;
}

BmpHeaderBytes DefaultBmpHeader() {
    BmpHeaderBytes h{};
    h[0] = 66;
    h[1] = 77;
    h[2] = 94;
    h[10] = 62;
    h[14] = 40;
    h[18] = 8;
    h[22] = 8;
    h[26] = 1;
    h[28] = 1;
    h[34] = 32;
    h[58] = h[59] = h[60] = 255;
    return h;
}

Bytes BuildTileBitmap(const Font& font, int code, TileOptions options) {
    const CharInfo& glyph = font.Glyph(code);
    const int height = font.FontHeight;
    const int bytesPerRow = glyph.BytesPerRow();
    const int pad = (4 - bytesPerRow % 4) % 4;
    const int widthPixels =
        options.showInvisible ? bytesPerRow * 8 : (glyph.Width == 0 ? 1 : glyph.Width);
    const Rgb background = font.Selection(code) ? kSelectedBlue : kDarkGrey;
    const Rgb ink = (glyph.Width > 8 && options.yellowWide) ? kLightYellow : kWhite;

    Bytes out = Header(widthPixels, height, bytesPerRow, background, ink);
    const auto stride = static_cast<std::size_t>(bytesPerRow + pad);
    const auto rowBytes = static_cast<std::size_t>(bytesPerRow);
    out.resize(out.size() + stride * static_cast<std::size_t>(height), 0);
    // Rows go bottom-up; a glyph shorter than its height leaves zero rows.
    std::uint8_t* to = out.data() + kBmpHeaderSize;
    for (int row = height - 1; row >= 0; --row, to += stride) {
        const std::size_t start = static_cast<std::size_t>(row) * rowBytes;
        if (start >= glyph.Pixels.size()) continue;
        std::memcpy(to, glyph.Pixels.data() + start,
                    std::min(rowBytes, glyph.Pixels.size() - start));
    }
    return out;
}

Bytes BlankTileBitmap() {
    Bytes out = Header(8, 8, 1, kSilver, kWhite);
    out.resize(out.size() + 8 * 4, 0);
    return out;
}

}  // namespace gft
