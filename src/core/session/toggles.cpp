#include "session/toggles.h"

namespace gft {

namespace {

constexpr std::array<std::string_view, kToggleCount> kNames{
    "use-source-path", "store-duplicates", "save-lok",         "select-different", "show-frames",
    "auto-scroll-log", "cursor-inv",       "stay-on-top",      "auto-apply",       "show-invisible",
    "width-yellow",    "merge-all",        "keep-proportions", "show-compared"};

}  // namespace

std::optional<Toggle> ToggleFromName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<Toggle>(i);
    return std::nullopt;
}

std::string_view ToggleName(Toggle toggle) {
    return kNames[static_cast<std::size_t>(toggle)];
}

}  // namespace gft
