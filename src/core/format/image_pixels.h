#pragma once

#include <cstdint>
#include <string>

namespace gft {

// The largest picture the image readers accept: checked from the header,
// before any pixel memory is allocated. A sheet of 256 glyphs 255 x 255 is
// 4080 x 4080.
inline constexpr int kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 25;

// Empty when a picture of this size may be read, else the reason.
inline std::string CheckImageSize(std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1) return "Image is empty";
    if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
        return "Image is too large (" + std::to_string(width) + " x " + std::to_string(height) +
               ")";
    return {};
}

// Luminance of a colour (ITU-R BT.601 weights, rounded); a grey keeps its value.
inline std::uint8_t Luminance(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint8_t>((299 * r + 587 * g + 114 * b + 500) / 1000);
}

// A pixel of this luminance and opacity (255 opaque) laid over white paper.
inline std::uint8_t OverWhite(std::uint8_t luminance, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((luminance * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace gft
