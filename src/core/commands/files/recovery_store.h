#pragma once

#include <string>
#include <vector>

#include "format/font_model.h"
#include "session/recovery_state.h"
#include "support/file_lock.h"

namespace gft {

// The recovery folder. A copy is the files NAME.lock, held by the process
// that keeps the copy for as long as it runs; NAME.G.fnt and NAME.G.lok,
// the font as a save writes it and its selection table; and NAME.ini, what
// the copy is (whose file, when, which generation G of those two files). A
// new generation is written beside the last and the .ini replaced in one
// step after it, so a copy read at any moment, even after a crash or a power
// cut in the middle of a write, is one whole state of the font. NAME is the
// process id and a random part, new for every copy: no two processes ever
// write the same files.

// Writes font (with copy's paths, date and height) as the copy of state; the
// first time, makes a new name and takes its lock. Throws AppError.
void WriteRecoveryCopy(const std::string& folder, RecoveryState& state, RecoveryCopy copy,
                       const Font& font);

// The copies whose process has ended, newest first. Files left by a copy
// whose process ended before the copy was complete are removed.
std::vector<RecoveryCopy> EndedRecoveryCopies(const std::string& folder);

enum class TakeOutcome {
    Taken,
    InUse,    // its process, or one recovering it, still runs
    Gone,     // recovered or discarded meanwhile
    Damaged,  // its .ini cannot be read
};
struct TakenCopy {
    RecoveryCopy copy;
    FileLock lock;  // held: the copy is the taker's from now on
};
// Takes a copy of an ended run by name; nothing else changes.
TakeOutcome TakeRecoveryCopy(const std::string& folder, const std::string& name, TakenCopy& taken);
// The copy's font with its selection; false when its files cannot be read,
// are cut short or hold no font.
bool ReadRecoveryFont(const std::string& folder, const RecoveryCopy& copy, Font& font);

// Deletes a copy whose lock is held: its .ini first, so that it is never
// offered half removed, its lock last.
void RemoveRecoveryCopy(const std::string& folder, const std::string& name, FileLock& lock);

}  // namespace gft
