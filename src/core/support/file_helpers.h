#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/byte_sink.h"
#include "support/bytes.h"

namespace gft {

// Length of a file in bytes; 0 for a folder; -1 when it cannot be had for any
// reason (no such file, empty name, no access).
std::int64_t GetFileLength(const std::string& path);

// True when path names a regular file (after symbolic links).
bool IsRegularFile(const std::string& path);

// What path names when that is not a regular file, for a message: "a
// folder", "a FIFO", "a device" or "a socket"; empty for a regular file and
// when nothing can be found there.
std::string NonRegularFileKind(const std::string& path);

// Deletes a file; any failure is swallowed.
void DeleteFile(const std::string& path);

// Replaces the file at path by exactly these bytes. The new content is written
// to a temporary file beside it and renamed over the target, so a failure never
// destroys the old file; the replacement keeps the old file's mode and, where
// permitted, its owner. A target that is not a regular file, or that this user
// may not write, is refused; one with several hard links is rewritten in place
// (see WriteInPlace). Throws AppError (errno, "WriteByteArray").
//
// Sync::Now waits until the new bytes are on the disk before the rename (a
// font, the settings); Sync::Later leaves that to the system, for a file that
// means nothing after a crash (the working folder's lock): waiting for the
// disk can cost many milliseconds when other writes are pending.
enum class Sync : bool { Later, Now };
// Asked once the new content is written and synced, before it replaces
// anything: true stops the write (AppError EINTR) and leaves every target as
// it was. A batch verb stops so on a termination signal.
using StopCheck = std::function<bool()>;
void WriteByteArray(const std::string& path, const Bytes& bytes, Sync sync = Sync::Now,
                    const StopCheck& stop = {});

// One of several files that belong together. Its content is written into the
// sink by `produce`, a piece at a time, and streamed to the file; a failed
// write stops the file and throws after `produce` returns.
struct FileToWrite {
    std::string path;
    std::function<void(ByteSink&)> produce;
};

// Writes files that belong together (a picture and its width table) all or
// none: each goes to a temporary file beside its target, complete and synced,
// before the first is put in place; when one cannot be put in place, those
// already in place get their old content back (a new one is removed).
void WriteTogether(const std::vector<FileToWrite>& files, Sync sync = Sync::Now,
                   const StopCheck& stop = {});

// Reads at most maxBytes from the start of a file. Throws AppError on failure,
// and at once for anything but a regular file (a FIFO, a device, a folder).
Bytes ReadFileBytes(const std::string& path, std::size_t maxBytes, const std::string& source);

// Makes startFolder current again after file work (no-op when it is empty).
void RestoreStartFolder(const std::string& startFolder);

bool FolderExists(const std::string& path);
// True when the user may create files in the folder.
bool FolderWritable(const std::string& path);
std::string CurrentFolder();
// A relative path joined to the current folder; an absolute one as it is.
std::string AbsolutePath(const std::string& path);

// Path joining with the platform separator.
std::string JoinPath(const std::string& folder, const std::string& name);
inline constexpr char kPathSeparator = '/';

// The folder part of a path ("." when it has none) and its last part.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
// path as seen from folder: itself when absolute (or empty), else joined.
std::string AbsolutePath(const std::string& path, const std::string& folder);

}  // namespace gft
