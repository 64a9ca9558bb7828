#include "support/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kSource = "FileLock";

// Whether fd is still the file at path, not one removed or put in its place.
bool StillAt(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

FileLock FileLock::Create(const std::string& path) {
    // Made and locked under a temporary name (one a killed save leaves, which
    // is cleaned up with those), then renamed: whoever finds the name finds
    // it held.
    std::string temporary = FolderOf(path) + "/.gft-write-XXXXXX";
    std::vector<char> pattern(temporary.begin(), temporary.end());
    pattern.push_back('\0');
    FileLock lock;
    lock.fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (lock.fd_ < 0) throw AppError::FromErrno(errno, kSource);
    temporary = pattern.data();
    if (::flock(lock.fd_, LOCK_EX) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw AppError::FromErrno(error, kSource);
    }
    lock.path_ = path;
    return lock;
}

FileLock::Outcome FileLock::Take(const std::string& path, FileLock& taken) {
    FileLock lock;
    lock.fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (lock.fd_ < 0) return Outcome::Missing;
    if (::flock(lock.fd_, LOCK_EX | LOCK_NB) != 0) return Outcome::Held;
    if (!StillAt(lock.fd_, path)) return Outcome::Missing;
    lock.path_ = path;
    taken = std::move(lock);
    return Outcome::Taken;
}

void FileLock::Remove() {
    if (fd_ >= 0) ::unlink(path_.c_str());
    Release();
}

void FileLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    path_.clear();
}

}  // namespace gft
