#include "app/work_folder_lock.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "format/tile_bitmap.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

bool IsWorkingFolderName(const std::string& name) {
    if (name.size() != 8 || name.compare(0, 4, "GFTT") != 0) return false;
    for (std::size_t i = 4; i < 8; ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

// The process id in folder's lock file; 0 when there is none.
long LockOwner(const std::string& folder) {
    const std::string lock = JoinPath(folder, kWorkFolderLockName);
    if (!IsRegularFile(lock)) return 0;
    try {
        const Bytes text = ReadFileBytes(lock, 32, "LockOwner");
        return std::strtol(std::string(text.begin(), text.end()).c_str(), nullptr, 10);
    } catch (const AppError&) {
        return 0;
    }
}

bool ProcessEnded(long pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

void LockWorkingFolder(const std::string& folder) {
    try {
        WriteByteArray(JoinPath(folder, kWorkFolderLockName),
                       BytesOf(std::to_string(::getpid()) + "\n"), Sync::Later);
    } catch (const AppError&) {
    }
}

void RemoveWorkingFolder(const std::string& folder) {
    // Without a working folder the names would point into the current folder.
    if (folder.empty()) return;
    for (int code = 0; code < 256; ++code)
        DeleteFile(JoinPath(folder, TileFileName(code)));
    DeleteFile(JoinPath(folder, "Thumbs.db"));
    DeleteFile(JoinPath(folder, kWorkFolderLockName));
    ::rmdir(folder.c_str());
}

void RemoveAbandonedWorkingFolders(const std::string& base) {
    DIR* dir = ::opendir(base.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsWorkingFolderName(name)) continue;
        const std::string folder = JoinPath(base, name);
        if (FolderExists(folder) && ProcessEnded(LockOwner(folder))) RemoveWorkingFolder(folder);
    }
    ::closedir(dir);
}

}  // namespace gft
