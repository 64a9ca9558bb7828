#pragma once

#include <cstdint>

namespace gft {

class Session;

// Opens the character editor on EditorChar ("Edit character...", F4, the
// middle click on a tile): only while a font is loaded.
void OpenCharEditor(Session& session);

// Loads EditChr into the editor: a new backup, caption and grid.
void LoadEditorGlyph(Session& session);

// Hides the editor window ("Close", Esc, before a file is opened).
void HideCharEditor(Session& session);

// True when a font is loaded and EditChr fits its height: the editor's
// commands act only then, so a glyph left over from an earlier font is never
// edited or applied.
bool EditorReady(const Session& session);

// "Delete": the working copy becomes an absent glyph of width 0.
void EraseGlyph(Session& session);

// "&Restore": back to the glyph as it was loaded into the editor.
void RestoreGlyph(Session& session);

// "&< Prev char" and "Next char &>": loads the neighbouring glyph
// from the font, dropping unapplied edits. Nothing at code 0 or 255.
enum class Neighbour : std::uint8_t { Previous, Next };
void GoToNeighbour(Session& session, Neighbour neighbour);

// A key pressed in the editor window; Esc (27) hides it. Returns true when the
// key was consumed.
bool EditorKeyPress(Session& session, int keyAscii);

}  // namespace gft
