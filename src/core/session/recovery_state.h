#pragma once

#include <array>
#include <chrono>
#include <string>

#include "format/font_model.h"

namespace gft {

// What a session knows of recovery copies: the one it keeps of its own
// unsaved changes and the one of an ended run that it offers to recover.
struct RecoveryState {
    std::string ownSlot;                   // name of the copy this session wrote; "" none
    Font kept;                             // the font as that copy holds it
    std::array<std::string, 2> keptPaths;  // its destination and source
    std::chrono::steady_clock::time_point lastWrite{};
    std::string lastError;    // the last failure logged, so it is logged once
    std::string offeredSlot;  // a copy left by a run that ended; "" none
};

}  // namespace gft
