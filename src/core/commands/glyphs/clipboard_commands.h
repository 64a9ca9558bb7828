#pragma once

namespace gft {

class Session;

// "Copy characters": the selected glyphs, or the one under the mouse when
// none is selected, go to the clipboard in the program's own form, as the
// text of a dump and as a picture of them side by side.
void CopyCharacters(Session& session);

// "Paste characters": the clipboard's glyphs into the selected codes in
// order, or from the code under the mouse on; a picture on the clipboard
// becomes the glyph under the mouse. One log line when the pasted rows had
// to be cut or padded to the font's height.
void PasteCharacters(Session& session);

}  // namespace gft
