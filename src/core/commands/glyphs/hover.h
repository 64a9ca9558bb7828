#pragma once

#include <string>

#include "format/font_model.h"

namespace gft {

class Session;

// HoverChar value that is no code and forces the next hover update.
inline constexpr int kNoHoverChar = 300;

// The hover label: the character in quotes, then "$" hex and "#" decimal, and
// " L" when the glyph is selected; for example "A" $41 #65 L. Codes 0, 10 and
// 13 show the character one above; "&" is written "&&" as labels need it.
// UTF-8, the character taken from the Windows-1250 code page.
std::string HoverLabelText(const Font& font, int code);

// The mouse moved over tile code : shows the glyph zoomed
// and its label, unless it is already shown.
void HoverUpdate(Session& session, int code);

// Shows the glyph under the mouse again, after it may have changed.
void ShowHoverAgain(Session& session);

// Redraws one glyph and shows it in the hover display.
void RedrawGlyph(Session& session, int index);

}  // namespace gft
