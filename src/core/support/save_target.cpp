#include "support/save_target.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <vector>

#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kSource = "WriteByteArray";
constexpr const char* kTemporaryPrefix = ".gft-write-";
constexpr std::time_t kStaleAfterSeconds = 24 * 60 * 60;

// Permissions of a newly created file under the process's umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void PutAll(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw AppError::FromErrno(errno, kSource);
        }
        done += static_cast<std::size_t>(n);
    }
}

// Writes bytes over the open file from its start and cuts it to their length.
void Overwrite(int fd, const Bytes& bytes) {
    PutAll(fd, bytes);
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0)
        throw AppError::FromErrno(errno, kSource);
}

// The old bytes in a new file beside the target; returns its name.
std::string KeepCopy(const std::string& path, const Bytes& old) {
    std::string name = FolderOf(path) + "/.gft-old-XXXXXX";
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw AppError::FromErrno(errno, kSource);
    name = pattern.data();
    try {
        Overwrite(fd, old);
    } catch (...) {
        ::close(fd);
        ::unlink(name.c_str());
        throw;
    }
    ::close(fd);
    return name;
}

}  // namespace

AppError NotRegularFile(const std::string& path, std::string source) {
    return AppError(EINVAL, std::move(source), path + " is not a regular file");
}

SaveTarget InspectSaveTarget(const std::string& path) {
    SaveTarget target;
    target.path = path;
    if (::stat(path.c_str(), &target.info) != 0) {
        if (errno == ENOENT) return target;
        throw AppError::FromErrno(errno, kSource);
    }
    target.exists = true;
    if (!S_ISREG(target.info.st_mode)) throw NotRegularFile(path, kSource);
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        throw AppError::FromErrno(errno, kSource);
    return target;
}

void KeepOwnerAndMode(int fd, const SaveTarget& target) {
    if (!target.exists) {
        if (::fchmod(fd, NewFileMode()) != 0) throw AppError::FromErrno(errno, kSource);
        return;
    }
    const struct stat& old = target.info;
    // The owner first: changing it clears the set-id bits the mode may hold.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) throw AppError::FromErrno(errno, kSource);
}

void WriteInPlace(const SaveTarget& target, const Bytes& bytes) {
    const auto oldSize = static_cast<std::size_t>(target.info.st_size);
    const Bytes old = ReadFileBytes(target.path, oldSize, kSource);
    const std::string copy = KeepCopy(target.path, old);
    const int fd = ::open(target.path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    try {
        if (fd < 0) throw AppError::FromErrno(errno, kSource);
        Overwrite(fd, bytes);
    } catch (const AppError& error) {
        try {
            if (fd >= 0) Overwrite(fd, old);
        } catch (const AppError&) {
            ::close(fd);
            throw AppError(error.number(), kSource,
                           error.description() + " (the old content is kept in " + copy + ")");
        }
        if (fd >= 0) ::close(fd);
        ::unlink(copy.c_str());
        throw;
    }
    ::close(fd);
    ::unlink(copy.c_str());
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::time_t now = std::time(nullptr);
    const std::string prefix = kTemporaryPrefix;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string path = JoinPath(folder, name);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || now - info.st_mtime < kStaleAfterSeconds)
            continue;
        ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace gft
