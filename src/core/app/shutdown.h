#pragma once

namespace gft {

class Session;

// The main window closing (Exit, the close box, Esc with nothing unsaved, a
// termination signal): keeps unsaved font changes as a recovery copy, removes
// the working folder (RemoveWorkingFolder), saves the settings (a failure is
// ignored), hides the editor and makes the start folder current again. Unsaved
// changes are not asked about. Not for a start-up that ended in
// Help or Abort: those end without saving.
void Shutdown(Session& session);

}  // namespace gft
