#pragma once

#include <string>

#include "format/truetype_export.h"

namespace gft {

class Session;

// Export > "TrueType font (TTF)...": asks for the file, then for the ascent
// (the baseline estimate), the code page and the family (the file's name).
void AskExportTrueType(Session& session);

// Writes the font as a TrueType file dated now through the atomic save,
// logs the glyphs exported without an outline and "Exported TrueType font
// to PATH (N glyphs)". A font that cannot be exported logs why and counts as a
// refused file; a failed write logs its "Error #" entry. No file is made
// then, and false is returned.
bool ExportTrueTypeTo(Session& session, const std::string& path, TrueTypeOptions options);

}  // namespace gft
