#pragma once

namespace gft {

class Session;

// Opens the character editor on EditorChar ("Edit character...", F4, the
// middle click on a tile): only while a font is loaded.
void mnuCharEditor_Click(Session& session);

// Loads EditChr into the editor: a new backup, caption and grid.
void EditorFormLoad(Session& session);

// Hides the editor window ("Close", Esc, before a file is opened).
void HideCharEditor(Session& session);

// True when a font is loaded and EditChr fits its height: the editor's
// commands act only then, so a glyph left over from an earlier font is never
// edited or applied.
bool EditorReady(const Session& session);

// "Delete": the working copy becomes an absent glyph of width 0.
void cmdDelChr_Click(Session& session);

// "&Restore": back to the glyph as it was loaded into the editor.
void cmdRestore_Click(Session& session);

// "&< Prev char" (0) and "Next char &>" (1): loads the neighbouring glyph
// from the font, dropping unapplied edits. Nothing at code 0 or 255.
void cmdChangeChr_Click(Session& session, int index);

// A key pressed in the editor window; Esc (27) hides it. Returns true when the
// key was consumed.
bool EditorKeyPress(Session& session, int keyAscii);

}  // namespace gft
