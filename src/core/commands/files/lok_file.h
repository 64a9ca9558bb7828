#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gft {

class Session;

// The selection table beside a font: the path without its last three
// characters + "lok"; empty when the path is shorter than 4 characters.
std::string LokPath(const std::string& fontPath);

// Fills selected from the table beside fontPath, if there is one, logging a
// wrong size. Values above 1 become 1. Returns the number of warnings logged.
// Throws AppError when the table exists but cannot be read; selected is then
// unchanged.
int LoadSelectionTable(Session& session, const std::string& fontPath,
                       std::array<std::uint8_t, 256>& selected);

}  // namespace gft
