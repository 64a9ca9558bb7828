#include "commands/editor/caption.h"

#include <cstdio>

#include "session/session.h"
#include "support/cp1250.h"

namespace gft {

namespace {

std::string CaptionCharacter(int code) {
    if (code == 32) return "Space";
    if (code == 0 || code == 10 || code == 13)
        return Cp1250ToUtf8(static_cast<std::uint8_t>(code + 1));
    return Cp1250ToUtf8(static_cast<std::uint8_t>(code));
}

}  // namespace

std::string EditorCaptionText(const Font& font, int code, const CharInfo& glyph) {
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "\" $%X #%d W:%d", code, code, glyph.Width);
    std::string text = "Chr Editor \"" + CaptionCharacter(code) + numbers;
    const auto at = static_cast<std::size_t>(code);
    if (!glyph.Present) text += " (Empty)";
    if (font.Selection(code) != 0) text += " (Selected)";
    if (font.Different[at] != 0) text += " (Different)";
    return text;
}

std::string EditorCharLabelText(int code) {
    return Cp1250ToUtf8(static_cast<std::uint8_t>(code));
}

void UpdateEditorCaption(Session& session) {
    EditorState& editor = session.editor;
    editor.Caption = EditorCaptionText(session.font, session.EditorChar, editor.EditChr);
    editor.CharLabel = EditorCharLabelText(session.EditorChar);
    session.view.EditorCaptionChanged(editor.Caption, editor.CharLabel);
}

}  // namespace gft
