#pragma once

namespace gft {

class Session;

// The main window closing (Exit, the close box, Esc with nothing unsaved):
// deletes the tile files and "Thumbs.db" from the working folder and removes
// it (a file left in it keeps it), saves the settings (a failure is ignored),
// hides the editor and makes the start folder current again. Unsaved font
// changes are dropped without a question. Not for a start-up that ended in
// Help or Abort: those end without saving.
void Shutdown(Session& session);

}  // namespace gft
