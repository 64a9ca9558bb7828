#pragma once

#include <chrono>
#include <string>

namespace gft {

class Session;

// Recovery copies: the window closes without asking, so unsaved work is
// kept in "Recovery" in the settings folder while the font differs from its
// last loaded or saved state. A copy is three files named after the font's
// destination (or source) path: NAME.fnt holds the font as a save would
// write it, NAME.lok its selection table, and NAME.ini (written last, removed
// first, so only a complete copy counts) the destination, the source, the
// edit level, the time and the process that keeps it. A copy whose process no
// longer runs is offered at the next start. Without a settings folder no copy
// is kept.

std::string RecoveryFolder(const Session& session);

// Start-up: offers the newest copy left by a run that has ended, logging
// "Unsaved changes of PATH from DATE were kept - File > Recover unsaved
// changes" and enabling the recovery menu items.
void OfferRecoveryCopy(Session& session);

// Called after changes (by a timer of the window, after each command of the
// runner) and at close: writes the copy when the font differs from its saved
// state and from the copy, at most once every two seconds unless closing;
// removes this session's copy of the same file once the font equals it again
// (a load of the same file, an undo back to the saved state).
void KeepRecoveryCopy(Session& session, std::chrono::steady_clock::time_point now, bool closing);

// After a successful save: this session's copy is no longer needed.
void ForgetRecoveryCopy(Session& session);

// File > "Recover unsaved changes": loads the offered copy with its edit
// mark and its old destination; the copy is this session's from then on.
void RecoverUnsavedChanges(Session& session);
// Whether a copy of an ended run is on offer.
bool RecoveryOnOffer(const Session& session);
// File > "Discard recovered changes": removes the offered copy.
void DiscardRecoveredChanges(Session& session);

}  // namespace gft
