#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "session/recovery_state.h"

namespace gft {

class Session;

// Recovery copies: the window closes without asking, and a program can be
// killed, so unsaved work is kept in "Recovery" in the settings folder for
// as long as the font differs from its file. Each process keeps its own copy
// of its own font, naming the font's files by absolute path, and removes only
// that; the copies of processes that have ended are offered at the next
// start, every one of them, to be recovered or discarded. Without a settings
// folder no copy is kept. See recovery_store.h for the files.

std::string RecoveryFolder(const Session& session);

inline constexpr const char* kNoRecoveryCopies = "No unsaved changes of ended runs are kept";

// Start-up, after the command line's font: looks for copies of ended runs
// and, when there are any, says so in two short log lines and the status
// line ("Unsaved changes of A.fnt were kept", "File > Recover unsaved
// changes") and enables the recovery menu items.
void OfferRecoveryCopies(Session& session);

// The copies of ended runs as they are now, newest first (kept in
// session.recovery.offered, which recover and discard numbers refer to).
const std::vector<RecoveryCopy>& LookForRecoveryCopies(Session& session);
// The same as lines a person reads, numbered as recover and discard take
// them: "1: /home/me/A.fnt, 2024-05-01 10:12:13, height 21" ("New FNT" for a
// font that has no file yet).
std::vector<std::string> ListRecoveryCopies(Session& session);

// Recovers copy `index` of session.recovery.offered: the font with its
// selection, the file it came from and where Save FNT writes; its change
// marks, "changed" and "Revert to saved" are relative to that file as it is
// on disk, and Undo goes back to it. The copy is this session's from then
// on. Returns false (and changes nothing) when the copy is gone, in use by
// another window or damaged.
bool RecoverCopy(Session& session, std::size_t index);
// Removes copy `index` of session.recovery.offered unseen.
bool DiscardCopy(Session& session, std::size_t index);

// Called after changes (by a timer of the window, after each command of the
// runner): writes the copy when the font differs from its file and from the
// copy, at most once every two seconds; removes this session's copy once the
// font equals its file again (a save, a load, an undo back).
void KeepRecoveryCopy(Session& session, std::chrono::steady_clock::time_point now);
// The same at once: at close, and whenever the runner waits for input.
void KeepRecoveryCopyNow(Session& session);

// After a successful save: this session's copy is no longer needed.
void ForgetRecoveryCopy(Session& session);

// File > "Recover unsaved changes": lists the copies of ended runs (file,
// date, height) to choose one, and recovers it.
void RecoverUnsavedChanges(Session& session);
// Whether copies of ended runs were on offer when last looked at.
bool RecoveryOnOffer(const Session& session);
// File > "Discard recovered changes": the same list; removes the one chosen.
void DiscardRecoveredChanges(Session& session);

}  // namespace gft
