#pragma once

#include "session/view.h"

namespace gft::ui {

// The desktop's clipboard: copied glyphs go there in each of their forms (the
// program's own under its MIME type, the dump as plain text, the PNG as
// image/png); a paste finds the program's own form first, else any picture.
void PutOnSystemClipboard(const ClipboardGlyphForms& forms);
ClipboardContent ReadSystemClipboard();

}  // namespace gft::ui
