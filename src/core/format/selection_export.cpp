#include "format/selection_export.h"

namespace gft {

Bytes SelectionTableBytes(const Font& font) {
    Bytes table(kGlyphCount);
    for (int code = 0; code < kGlyphCount; ++code)
        table[static_cast<std::size_t>(code)] = font.Selection(code) ? 1 : 0;
    return table;
}

}  // namespace gft
