#pragma once

#include <string>

namespace gft {

class Session;

// Writes the font to destination (and the selection table beside it when
// that option is on), then resets the edit level. A path shorter than 4
// characters becomes "output.fnt" in the program's folder. On failure the
// "Error #" entry is logged, nothing is replaced and false is returned.
bool SaveFontTo(Session& session, std::string destination);

// The save command: the save dialog, then SaveFontTo.
void SaveFontAs(Session& session);

// After an import: a font whose glyph data is more than a font file holds is
// told at once ("The font is larger than the file format can hold: ..."),
// not only when a save fails.
void WarnIfTooLargeToSave(Session& session);

inline constexpr const char* kSaveDialogTitle =
    "Save as Grindlemoor FNT (.fnt) file (and LOK if set and needed)";
inline constexpr const char* kSaveDialogFilter =
    "Grindlemoor FNT (*.fnt)|*.fnt|All files (*.*)|*.*";

}  // namespace gft
