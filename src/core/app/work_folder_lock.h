#pragma once

#include <string>

namespace gft {

// A working folder (the window's GFTTnnnn, the runner's grindfnt-XXXXXX)
// holds a lock file with the process id of the program that uses it, so that
// a later start can tell the folders of ended runs (killed, crashed) from
// those of programs still running.
inline constexpr const char* kWorkFolderLockName = "owner.pid";

// Writes this process's id into folder's lock file; a failure is ignored
// (the folder then simply outlives a crash).
void LockWorkingFolder(const std::string& folder);

// Deletes the tile files, "Thumbs.db" and the lock file from a working
// folder and removes it; a file of someone else left in it keeps it.
void RemoveWorkingFolder(const std::string& folder);

// Removes every working folder in base, of this user, whose lock file names
// a process that no longer runs. A folder without a lock file is left alone:
// it may belong to a program that is starting at this moment.
void RemoveAbandonedWorkingFolders(const std::string& base);

}  // namespace gft
