#include "commands/editor/row_exchange.h"

#include <utility>

#include "commands/editor/non_used_part.h"
#include "format/glyph_rows.h"
#include "session/editor_state.h"

namespace gft {

void ExchangeRows(EditorState& editor, int a, int b) {
    const auto rowA = RowBytes(editor.EditChr, a);
    const auto rowB = RowBytes(editor.EditChr, b);
    const std::size_t last = rowA.size() - 1;
    for (std::size_t j = 0; j < last; ++j)
        std::swap(rowA[j], rowB[j]);

    const std::uint8_t x = SeparateNonUsedPart(editor, rowA[last]);
    const std::uint8_t keptA = editor.NonUsedPart;
    const std::uint8_t y = SeparateNonUsedPart(editor, rowB[last]);
    const std::uint8_t keptB = editor.NonUsedPart;
    editor.NonUsedPart = keptA;
    rowA[last] = PutBackNonUsedPart(editor, y);
    editor.NonUsedPart = keptB;
    rowB[last] = PutBackNonUsedPart(editor, x);
}

}  // namespace gft
