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

}  // namespace gft
