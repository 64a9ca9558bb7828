#pragma once

namespace gft {

inline constexpr const char* kProgramTitle = "Grind FNT Tool";
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 150;

}  // namespace gft
