#pragma once

#include <sys/stat.h>

#include <string>

#include "support/app_error.h"
#include "support/bytes.h"

namespace gft {

// What a save found at its target before writing.
struct SaveTarget {
    std::string path;  // symbolic links resolved
    bool exists = false;
    struct stat info {};  // valid when exists
};

// Looks at the file a save is about to replace. Refuses (AppError, source
// "WriteByteArray") a target that is not a regular file, such as a device, a
// FIFO or a folder, and one this user may not write; the file is then left
// exactly as it was.
SaveTarget InspectSaveTarget(const std::string& path);

// The error for a path that names something other than a regular file.
AppError NotRegularFile(const std::string& path, std::string source);

// Gives the replacement file the old file's permissions and, where this user
// may, its owner and group; a new file gets the usual mode under the umask.
void KeepOwnerAndMode(int fd, const SaveTarget& target);

// A file with several hard links is rewritten in place, so that every name
// keeps seeing the new bytes. Its old bytes are first copied to a file
// ".gft-old-XXXXXX" beside it; when the rewrite fails they are put back, and
// when even that fails the copy stays and the error names it.
void WriteInPlace(const SaveTarget& target, const Bytes& bytes);

// Removes this user's ".gft-write-*" files older than a day from folder: the
// temporary files of saves that were killed before they could clean up.
void RemoveStaleTemporaryFiles(const std::string& folder);

}  // namespace gft
