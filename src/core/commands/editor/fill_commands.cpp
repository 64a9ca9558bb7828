#include "commands/editor/fill_commands.h"

#include "commands/editor/apply.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/non_used_part.h"
#include "format/glyph_rows.h"
#include "session/session.h"

namespace gft {

namespace {

// Replaces every row's bytes: the others through whole, the last through
// lastByte, which sees the byte with its beyond-width bits cleared and
// returns the new visible bits; the row's own beyond-width bits go back in.
template <typename Whole, typename Last>
void RewriteRows(Session& session, Whole whole, Last lastByte) {
    EditorState& editor = session.editor;
    for (int row = 0; row < session.font.FontHeight; ++row) {
        const auto bytes = RowBytes(editor.EditChr, row);
        const std::size_t last = bytes.size() - 1;
        for (std::size_t j = 0; j < last; ++j)
            bytes[j] = whole(bytes[j]);
        const std::uint8_t visible = SeparateNonUsedPart(editor, bytes[last]);
        bytes[last] = PutBackNonUsedPart(editor, lastByte(visible));
    }
}

void RunFill(Session& session, void (*fill)(Session&)) {
    if (!EditorReady(session)) return;
    const CharInfo before = session.editor.EditChr;
    fill(session);
    session.view.EditorChanged();
    AutoApplyIfChanged(session, before);
}

std::uint8_t Complement(std::uint8_t byte) {
    return static_cast<std::uint8_t>(~byte);
}

std::uint8_t Zero(std::uint8_t) {
    return 0;
}

}  // namespace

void InvertGlyph(Session& session) {
    RunFill(session, [](Session& s) { RewriteRows(s, Complement, Complement); });
}

void ClearGlyph(Session& session) {
    RunFill(session, [](Session& s) { RewriteRows(s, Zero, Zero); });
}

void ClearBeyondWidth(Session& session) {
    RunFill(session, [](Session& s) {
        EditorState& editor = s.editor;
        editor.NonUsedPart = 0;
        for (int row = 0; row < s.font.FontHeight; ++row) {
            const auto bytes = RowBytes(editor.EditChr, row);
            bytes.back() = PutBackNonUsedPart(editor, bytes.back());
        }
    });
}

}  // namespace gft
