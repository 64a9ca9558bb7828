#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace gft {

// A rectangle on the desktop in the windowing system's logical pixels.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The windows that remember their place in Settings.ini.
enum class AppWindow : std::uint8_t { Main, Editor, Preview };
inline constexpr int kAppWindowCount = 3;

// Where a window was: its normal (not maximised) rectangle, and whether it
// was maximised.
struct WindowPlace {
    ScreenRect rect;
    bool maximized = false;
    bool operator==(const WindowPlace&) const = default;
};

// Per window the place it was last seen at; none before it ever was.
using WindowPlaces = std::array<std::optional<WindowPlace>, kAppWindowCount>;

inline constexpr std::size_t IndexOf(AppWindow window) {
    return static_cast<std::size_t>(window);
}

}  // namespace gft
