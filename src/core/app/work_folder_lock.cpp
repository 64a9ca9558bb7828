#include "app/work_folder_lock.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "format/tile_bitmap.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

bool AllOf(const std::string& text, std::size_t from, int (*isClass)(int)) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (!isClass(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// The window's GFTTnnnn, or the runner's grindfnt-XXXXXX (made by mkdtemp).
bool IsWorkingFolderName(const std::string& name) {
    if (name.size() == 8 && name.compare(0, 4, "GFTT") == 0) return AllOf(name, 4, std::isdigit);
    if (name.size() == 15 && name.compare(0, 9, "grindfnt-") == 0)
        return AllOf(name, 9, std::isalnum);
    return false;
}

bool OwnedByMe(const std::string& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid();
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
        if (OwnedByMe(folder) && ProcessEnded(LockOwner(folder))) RemoveWorkingFolder(folder);
    }
    ::closedir(dir);
}

}  // namespace gft
