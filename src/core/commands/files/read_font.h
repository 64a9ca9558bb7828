#pragma once

#include <string>

#include "session/session.h"

namespace gft {

struct ReadOutcome {
    bool accepted = false;  // the header was accepted and the file parsed
    int findings = 0;       // log lines that report a fault of the file
};

// Reads an FNT file in load, merge or compare mode (kModeLoad, kModeMerge,
// kModeCompare), logging and repairing every inconsistency. A missing, short
// or unrecognised file (or, in merge and compare, one of another height)
// leaves the session unchanged. Throws AppError when the file cannot be read.
ReadOutcome ReadFntFile(Session& session, const std::string& path, OpenMode mode);

}  // namespace gft
