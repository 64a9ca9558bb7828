#include "support/file_helpers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "support/app_error.h"
#include "support/save_target.h"

namespace gft {

namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

// Writes into a file descriptor through a buffer. The first failure is kept
// and ends the writing; Finish reports it. No exception leaves Write, so a
// producer written in C (libpng) is never unwound.
class DescriptorSink : public ByteSink {
  public:
    using ByteSink::Write;
    explicit DescriptorSink(int fd) : fd_(fd) { buffer_.reserve(kBufferSize); }
    void Write(std::span<const std::uint8_t> bytes) override {
        if (error_ != 0) return;
        if (buffer_.size() + bytes.size() > kBufferSize) Flush();
        if (bytes.size() >= kBufferSize)
            WriteOut(bytes);
        else
            buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    }
    void Finish() {
        Flush();
        if (error_ != 0) throw AppError::FromErrno(error_, "WriteByteArray");
    }

  private:
    // Large, because an export of a large font is a few megabytes and each
    // write call has its cost; only the part of the buffer in use is touched.
    static constexpr std::size_t kBufferSize = 1024 * 1024;
    void Flush() {
        WriteOut(buffer_);
        buffer_.clear();
    }
    void WriteOut(std::span<const std::uint8_t> bytes) {
        std::size_t done = 0;
        while (done < bytes.size() && error_ == 0) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n >= 0)
                done += static_cast<std::size_t>(n);
            else if (errno != EINTR)
                error_ = errno;
        }
    }
    int fd_;
    int error_ = 0;
    Bytes buffer_;
};

// A symbolic link is written through: the file it points to is replaced.
std::string LinkTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::vector<char> resolved(PATH_MAX + 1);
    if (::realpath(path.c_str(), resolved.data()) == nullptr) return path;
    return resolved.data();
}

}  // namespace

std::int64_t GetFileLength(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return -1;
    if (S_ISDIR(info.st_mode)) return 0;
    return static_cast<std::int64_t>(info.st_size);
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void DeleteFile(const std::string& path) {
    if (!path.empty()) ::unlink(path.c_str());
}

void WriteByteArray(const std::string& path, const Bytes& bytes, Sync sync) {
    WriteStreamed(
        path, [&bytes](ByteSink& sink) { sink.Write(bytes); }, sync);
}

void WriteStreamed(const std::string& givenPath, const std::function<void(ByteSink&)>& produce,
                   Sync sync) {
    const SaveTarget target = InspectSaveTarget(LinkTarget(givenPath));
    if (target.exists && target.info.st_nlink > 1) {
        BytesSink whole;
        produce(whole);
        return WriteInPlace(target, whole.bytes);
    }
    const std::string& path = target.path;
    RemoveStaleTemporaryFiles(FolderOf(path));
    std::string tempName = FolderOf(path) + "/.gft-write-XXXXXX";
    std::vector<char> pattern(tempName.begin(), tempName.end());
    pattern.push_back('\0');
    FileDescriptor fd(::mkstemp(pattern.data()));
    if (fd.get() < 0) throw AppError::FromErrno(errno, "WriteByteArray");
    tempName = pattern.data();
    try {
        DescriptorSink sink(fd.get());
        produce(sink);
        sink.Finish();
        KeepOwnerAndMode(fd.get(), target);
        if ((sync == Sync::Now && ::fsync(fd.get()) != 0) || ::close(fd.release()) != 0)
            throw AppError::FromErrno(errno, "WriteByteArray");
        if (::rename(tempName.c_str(), path.c_str()) != 0)
            throw AppError::FromErrno(errno, "WriteByteArray");
    } catch (...) {
        ::unlink(tempName.c_str());
        throw;
    }
}

Bytes ReadFileBytes(const std::string& path, std::size_t maxBytes, const std::string& source) {
    // Without O_NONBLOCK a FIFO would wait for a writer forever.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) throw AppError::FromErrno(errno, source);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) throw AppError::FromErrno(errno, source);
    if (!S_ISREG(info.st_mode)) throw NotRegularFile(path, source);
    Bytes bytes;
    std::uint8_t chunk[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - bytes.size());
        const ssize_t n = ::read(fd.get(), chunk, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw AppError::FromErrno(errno, source);
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

void RestoreStartFolder(const std::string& startFolder) {
    if (!startFolder.empty() && CurrentFolder() != startFolder) {
        [[maybe_unused]] const int ignored = ::chdir(startFolder.c_str());
    }
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FolderWritable(const std::string& path) {
    return !path.empty() && ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == kPathSeparator) return path;
    return JoinPath(CurrentFolder(), path);
}

std::string CurrentFolder() {
    std::vector<char> buffer(PATH_MAX + 1);
    if (::getcwd(buffer.data(), buffer.size()) == nullptr) return {};
    return buffer.data();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == kPathSeparator) return folder + name;
    return folder + kPathSeparator + name;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of(kPathSeparator);
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.rfind(kPathSeparator);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AbsolutePath(const std::string& path, const std::string& folder) {
    if (path.empty() || path.front() == kPathSeparator) return path;
    std::string relative = path;
    while (relative.rfind("./", 0) == 0)
        relative.erase(0, 2);
    return JoinPath(folder, relative);
}

}  // namespace gft
