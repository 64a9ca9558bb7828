#include "format/selection_table.h"

#include <algorithm>

namespace gft {

std::string LokPath(const std::string& fontPath) {
    if (fontPath.size() < 4) return {};
    return fontPath.substr(0, fontPath.size() - 3) + "lok";
}

std::optional<std::string> SelectionTableSizeWarning(std::int64_t length) {
    if (length < 256) return "Selection table (lok) is smaller than 256 Bytes";
    if (length > 256) return "Selection table (lok) is bigger than 256 Bytes";
    return std::nullopt;
}

void ApplySelectionTable(const Bytes& table, std::array<std::uint8_t, 256>& selected) {
    const std::size_t count = std::min(table.size(), selected.size());
    for (std::size_t c = 0; c < count; ++c)
        selected[c] = std::min<std::uint8_t>(table[c], 1);
}

}  // namespace gft
