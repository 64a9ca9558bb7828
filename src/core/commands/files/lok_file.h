#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gft {

class Session;

// Fills selected from the selection table beside fontPath, if there is one, logging a
// wrong size. Values above 1 become 1. Returns the number of warnings logged.
// Throws AppError when the table exists but cannot be read; selected is then
// unchanged.
int LoadSelectionTable(Session& session, const std::string& fontPath,
                       std::array<std::uint8_t, 256>& selected);

}  // namespace gft
