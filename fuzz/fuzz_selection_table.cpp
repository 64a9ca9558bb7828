// Feeds any bytes as the selection table (.lok) beside a font: applied over
// a selection of its own, and moved along by an 8-bit import in the Atari's
// order (for an odd size) or in file order. Whatever the table holds, only 0
// and 1 may come out.
#include <algorithm>

#include "format/eight_bit_font.h"
#include "format/selection_table.h"
#include "fuzz_support.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

// The table's byte for code c as a selection: 0 or 1; codes past the table
// keep `otherwise`.
std::uint8_t Expected(const Bytes& table, int c, std::uint8_t otherwise) {
    return static_cast<std::size_t>(c) < table.size() ? std::min<std::uint8_t>(table[c], 1)
                                                      : otherwise;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes table(data, data + std::min<std::size_t>(size, kGlyphCount));
    const auto warning = SelectionTableSizeWarning(static_cast<std::int64_t>(size));
    Require(warning.has_value() == (size != 256), "wrong size warning");

    std::array<std::uint8_t, kGlyphCount> selected{};
    for (int c = 0; c < kGlyphCount; ++c)
        selected[c] = static_cast<std::uint8_t>(c / 5 % 2);
    const auto before = selected;
    ApplySelectionTable(table, selected);
    for (int c = 0; c < kGlyphCount; ++c)
        Require(selected[c] == Expected(table, c, before[c]),
                "a code's selection is not the table's byte as 0 or 1");

    Bytes eightBit(1024);
    for (std::size_t i = 0; i < eightBit.size(); ++i)
        eightBit[i] = static_cast<std::uint8_t>(i * 7);
    const Font font = ParseEightBitFont(eightBit, size % 2 == 1, selected, fuzz::BaseFont(9)).font;
    fuzz::RequireSoundFont(font);
    return 0;
}
