#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gft {

// The program's on/off options. The first group lives in a check box with a
// menu twin (the box holds the state); the second lives in a menu mark alone.
enum class Toggle : std::uint8_t {
    UseSrcPath,        // chkUseSrcPath / mnuUseSrcPath
    Compress,          // chkCompress / mnuCompress
    SaveThisFormat,    // chkSaveThisFormat / mnuSaveThisFormat
    MarkDiff,          // chkMarkDiff / mnuMarkDiff
    Frames,            // chkFrames / mnuFrames
    LogAutoScroll,     // chkLogAutoScroll / mnuLogAutoScroll
    CrsrInv,           // the editor's chkCrsrInv
    StayOnTop,         // the editor's chkStayOnTop
    AutoApply,         // the editor's chkAutoApply
    DontCutBitmaps,    // mnuDontCutBitmaps, "[Show invisible parts]"
    YellowWidthMore8,  // mnuYellowWidthMore8, "[Width > 8 = yellow]"
    MergeAll,          // chkMergeAll / mnuMergeAll
    KeepProportions,   // mnuKeepProportions, "[Keep tile proportions]"
    ShowCompared,      // the editor's chkShowCompared
};
inline constexpr int kToggleCount = 14;

// True for the toggles whose state is a menu mark rather than a check box.
inline bool IsMenuOnly(Toggle t) {
    return t == Toggle::DontCutBitmaps || t == Toggle::YellowWidthMore8 ||
           t == Toggle::KeepProportions;
}

struct BaseFont {
    std::string name = "Fixedsys";
    double size = 18;
    bool bold = true;
    bool operator==(const BaseFont&) const = default;
};

struct Options {
    std::array<bool, kToggleCount> on{true,  true,  true,  true,  true,  true,
                                      false, false, false, false, false, false};
    BaseFont baseFont;

    bool operator[](Toggle t) const { return on[static_cast<std::size_t>(t)]; }
    bool& operator[](Toggle t) { return on[static_cast<std::size_t>(t)]; }
};

// The option of a runner's name ("use-source-path", ...).
std::optional<Toggle> ToggleFromName(std::string_view name);
// The runner's name of an option.
std::string_view ToggleName(Toggle toggle);

}  // namespace gft
