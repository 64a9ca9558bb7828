#pragma once

#include <string>

namespace gft {

inline constexpr const char* kProgramTitle = "Grind FNT Tool";
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 150;

// "0.0.150".
inline std::string VersionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

// The window's title without a font: "Grind FNT Tool v0.0.150".
inline std::string ProgramCaption() {
    return std::string(kProgramTitle) + " v" + VersionText();
}

}  // namespace gft
