#pragma once

#include <cstdint>
#include <vector>

namespace gft {

// A picture as the file formats hand it over: one luminance byte per pixel
// (0 black .. 255 white), rows top first, no padding.
struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    GrayImage() = default;
    GrayImage(int w, int h, std::uint8_t fill = 255)
        : width(w),
          height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    std::uint8_t At(int x, int y) const { return pixels[Index(x, y)]; }
    void Set(int x, int y, std::uint8_t value) { pixels[Index(x, y)] = value; }
    // Ink is a pixel darker than half grey.
    bool IsInk(int x, int y) const { return At(x, y) < 128; }

    bool operator==(const GrayImage&) const = default;

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

}  // namespace gft
