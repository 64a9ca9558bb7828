#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gft {

class Session;

// The open dispatcher: drops a pending pick-up, hides the editor, asks for a
// file with the title, filter and remembered path of the mode, remembers the
// answer and runs the reader or the import. A cancelled dialog changes
// nothing; an unexpected error is logged as its "Error #" entry.
void OpenFontFile(Session& session, std::uint8_t mode);

// The dispatcher's work after its dialog: remembers the path for the mode
// and runs its reader, as a dialog answered with path would.
void OpenChosenFile(Session& session, std::uint8_t mode, const std::string& path);

void LoadFont(Session& session);   // also while no font is loaded
void MergeFont(Session& session);  // the rest only with a font loaded
void CompareFont(Session& session);
void ImportAtariFont(Session& session);
void ImportAnyEightBitFont(Session& session);

// "&New FNT" (Ctrl+N): asks for a height (1..255, 16 suggested) and starts a
// font of absent glyphs with no save destination and a fresh history.
void AskNewFont(Session& session);
// Creates the new font of that height (the part after the question).
void NewFont(Session& session, int height);

// "Save FNT" (Ctrl+S): saves to the current destination without a dialog,
// or asks like "&Save FNT as..." when there is none.
void SaveFont(Session& session);

// Files dropped on the window, the Load button or a tile: the first is loaded.
// An empty list is reported in the log.
void DropLoad(Session& session, const std::vector<std::string>& files);

// Loads a font without a dialog, reporting an unexpected error in the log
// (the command line and drops).
void LoadFontFile(Session& session, const std::string& path);

struct OpenDialogKind {
    const char* title;
    const char* filter;
    const char* pattern;
};
// Title, filter and pattern of a mode's dialog; nullptr title for modes 3 and above 5.
OpenDialogKind DialogKindFor(std::uint8_t mode);

}  // namespace gft
