#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "support/bytes.h"

namespace gft {

// The selection table beside a font (.lok): one byte per code, 1 selected.

// Its path: the font's path without its last three characters + "lok";
// empty when the path is shorter than 4 characters.
std::string LokPath(const std::string& fontPath);

// The warning for a table of another length than 256 bytes, if it has one.
std::optional<std::string> SelectionTableSizeWarning(std::int64_t length);

// Writes the table's bytes over the first codes of selected; values above 1
// become 1, codes past the table's end keep their value.
void ApplySelectionTable(const Bytes& table, std::array<std::uint8_t, 256>& selected);

}  // namespace gft
