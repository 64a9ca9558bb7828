#pragma once

#include <string>

#include "format/font_model.h"

namespace gft {

class Session;

// The editor's caption for glyph (the working copy of code), UTF-8: "Chr
// Editor " then the character in double quotes ("Space" for 32, the
// character one above for 0, 10 and 13), "$" hex, "#" decimal, "W:" width,
// and " (Empty)", " (Selected)", " (Different)" as they apply. For example
// Chr Editor "A" $41 #65 W:8 (Selected).
std::string EditorCaptionText(const Font& font, int code, const CharInfo& glyph);

// The text of the character label lblCharNo(1): the character of code itself.
std::string EditorCharLabelText(int code);

// Rebuilds the caption and the character label from EditorChar and EditChr.
// The main window calls it too when it changes the glyph's selection.
void UpdateEditorCaption(Session& session);

}  // namespace gft
