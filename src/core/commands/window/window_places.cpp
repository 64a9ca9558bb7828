#include "commands/window/window_places.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "format/ini_file.h"
#include "session/session.h"

namespace gft {

namespace {

constexpr const char* kSection = "Windows";
constexpr std::array<const char*, kAppWindowCount> kKeys{"Main", "Editor", "TextPreview"};
constexpr const char* kMaximizedKey = "MainMaximized";

// How much of a window's top edge must lie on a screen, and how deep.
constexpr int kHoldWidth = 64;
constexpr int kHoldDepth = 24;
// Room left for a window frame when a size is fitted to a screen.
constexpr int kFrameRoomWidth = 16;
constexpr int kFrameRoomHeight = 48;

bool TopEdgeOn(const ScreenRect& window, const ScreenRect& screen) {
    const int left = std::max(window.x, screen.x);
    const int right = std::min(window.x + window.width, screen.x + screen.width);
    const int top = std::max(window.y, screen.y);
    const int bottom = std::min(window.y + kHoldDepth, screen.y + screen.height);
    return right - left >= std::min(kHoldWidth, window.width) && bottom - top >= kHoldDepth;
}

std::optional<ScreenRect> ParseRect(const std::string& text) {
    std::array<int, 4> numbers{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0) {
            if (at == end || *at != ',') return std::nullopt;
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, numbers[k]);
        if (error != std::errc()) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    return ScreenRect{numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::string RectText(const ScreenRect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height);
}

}  // namespace

std::optional<WindowPlace> RestoredPlace(const WindowPlace& saved,
                                         std::span<const ScreenRect> screens) {
    if (saved.rect.width <= 0 || saved.rect.height <= 0) return std::nullopt;
    for (const ScreenRect& screen : screens) {
        if (!TopEdgeOn(saved.rect, screen)) continue;
        WindowPlace place = saved;
        place.rect.width = std::min(place.rect.width, screen.width);
        place.rect.height = std::min(place.rect.height, screen.height);
        return place;
    }
    return std::nullopt;
}

ScreenRect FittedSize(int width, int height, const ScreenRect& screen) {
    return {0, 0, std::max(1, std::min(width, screen.width - kFrameRoomWidth)),
            std::max(1, std::min(height, screen.height - kFrameRoomHeight))};
}

void ApplyWindowPlaceSettings(Session& session, const IniFile& file) {
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        auto& place = session.windowPlaces[k];
        place.reset();
        if (const auto rect = ParseRect(file.Get(kSection, kKeys[k], "")))
            place = WindowPlace{*rect};
    }
    auto& main = session.windowPlaces[IndexOf(AppWindow::Main)];
    if (main) main->maximized = file.Get(kSection, kMaximizedKey, "0") == "1";
}

// The section is written anew: a place that was unreadable is gone.
void StoreWindowPlaceSettings(Session& session, IniFile& file) {
    file.RemoveSection(kSection);
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        auto& place = session.windowPlaces[k];
        if (const auto now = session.view.CurrentPlace(static_cast<AppWindow>(k))) place = now;
        if (place) file.Set(kSection, kKeys[k], RectText(place->rect));
    }
    if (const auto& main = session.windowPlaces[IndexOf(AppWindow::Main)])
        file.Set(kSection, kMaximizedKey, main->maximized ? "1" : "0");
}

}  // namespace gft
