#pragma once

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "format/font_model.h"
#include "support/file_lock.h"

namespace gft {

// A recovery copy as a person is shown it: whose file, from when, how high.
struct RecoveryCopy {
    std::string name;         // the stem of the copy's files in the recovery folder
    std::string destination;  // where Save FNT writes (absolute); "" when it would ask
    std::string fontFile;     // the file the font came from (absolute); "" for a new font
    std::string date;         // when the copy was written, "YYYY-MM-DD HH:MM:SS"
    std::string time;         // the same to the nanosecond, for the order
    int height = 0;
    int generation = 0;         // of the font and selection files the copy's .ini names
    std::size_t fontBytes = 0;  // the length of the font file, to tell a damaged one

    // The file the changes belong to: where they would be saved, else where
    // the font came from; "" for a new font never saved.
    const std::string& File() const { return destination.empty() ? fontFile : destination; }
};

// What a session knows of recovery copies: the one it keeps of its own
// unsaved changes, and those left by runs that ended, which it offers.
struct RecoveryState {
    // This session's copy: its name ("" none yet) and the lock that tells
    // every other process it is alive. The name is new for every copy, so
    // no two processes, nor two copies of one, ever share one.
    std::string ownName;
    FileLock ownLock;
    int generation = 0;
    Font kept;                             // the font as the copy holds it
    std::array<std::string, 2> keptPaths;  // its destination and font file
    std::chrono::steady_clock::time_point lastWrite{};
    std::string lastError;  // the last failure logged, so it is logged once

    // Copies of ended runs, newest first, as last looked at.
    std::vector<RecoveryCopy> offered;
};

}  // namespace gft
