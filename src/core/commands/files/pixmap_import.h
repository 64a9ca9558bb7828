#pragma once

#include <string>

namespace gft {

class Session;

// "Pixelmap && width...": asks for a sheet of 16 x 16 cells (PNG or BMP) and
// reads it with the width table beside it (".widths") over the loaded font.
// Without a font it does nothing.
void ImportPixmap(Session& session);

// The import without a dialog. Every glyph is replaced and the font height
// becomes the cell height; a missing, empty, unreadable or refused picture
// or width table is one log line and leaves the font as it was. Returns
// false then.
bool ImportPixmapFile(Session& session, const std::string& path);

}  // namespace gft
