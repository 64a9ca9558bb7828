#include "support/file_helpers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <memory>
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
//
// A file that will be synced has each full buffer sent on to the disk at
// once, so that the disk writes while the producer makes the rest, and
// the sync at the end waits for the last piece only.
class DescriptorSink : public ByteSink {
  public:
    using ByteSink::Write;
    DescriptorSink(int fd, Sync sync) : fd_(fd), sync_(sync) { buffer_.reserve(kBufferSize); }
    void Write(std::span<const std::uint8_t> bytes) override {
        if (error_ != 0) return;
        if (buffer_.size() + bytes.size() > kBufferSize) Flush();
        if (bytes.size() >= kBufferSize)
            WriteOut(bytes);
        else
            buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
        StartWriteBack();
    }
    // The rest is written; the caller syncs it.
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
        written_ += done;
    }
    // Sends what was written since the last call on to the disk. Only a
    // hint to the system: its failure is no failure of the write.
    void StartWriteBack() {
        if (sync_ == Sync::Now && written_ > sent_) {
            ::sync_file_range(fd_, static_cast<off_t>(sent_), static_cast<off_t>(written_ - sent_),
                              SYNC_FILE_RANGE_WRITE);
            sent_ = written_;
        }
    }
    int fd_;
    Sync sync_;
    int error_ = 0;
    std::size_t written_ = 0;  // bytes
    std::size_t sent_ = 0;     // to the disk
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

constexpr const char* kWriteSource = "WriteByteArray";

void ThrowErrno() {
    throw AppError::FromErrno(errno, kWriteSource);
}

// The name of a temporary file, removed with it unless it was taken away.
class TemporaryName {
  public:
    TemporaryName() = default;
    ~TemporaryName() {
        if (!name_.empty()) ::unlink(name_.c_str());
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    void Set(std::string name) { name_ = std::move(name); }
    const char* c_str() const { return name_.c_str(); }
    void Release() { name_.clear(); }

  private:
    std::string name_;
};

// One file of a group, written beside its target and not yet in place. A
// target with several hard links is rewritten in place instead, so its new
// bytes are kept in memory until then.
class StagedFile {
  public:
    StagedFile(const FileToWrite& file, Sync sync)
        : target_(InspectSaveTarget(LinkTarget(file.path))) {
        if (target_.exists && target_.info.st_nlink > 1) {
            StageInMemory(file);
            return;
        }
        RemoveStaleTemporaryFiles(FolderOf(target_.path));
        const std::string name = FolderOf(target_.path) + "/.gft-write-XXXXXX";
        std::vector<char> pattern(name.begin(), name.end());
        pattern.push_back('\0');
        FileDescriptor fd(::mkstemp(pattern.data()));
        if (fd.get() < 0) ThrowErrno();
        temporary_.Set(pattern.data());
        DescriptorSink sink(fd.get(), sync);
        file.produce(sink);
        sink.Finish();
        KeepOwnerAndMode(fd.get(), target_);
        if ((sync == Sync::Now && ::fsync(fd.get()) != 0) || ::close(fd.release()) != 0)
            ThrowErrno();
    }

    // The new content replaces the target. An existing target changes
    // places with the temporary file, which then holds the old content until
    // the group is done.
    void PutInPlace() {
        if (inMemory_) return WriteInPlace(target_, newBytes_);
        if (target_.exists && ::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD,
                                          target_.path.c_str(), RENAME_EXCHANGE) == 0) {
            exchanged_ = true;
            return;
        }
        // A new target, or a file system that cannot exchange two names:
        // then the old content cannot come back.
        if (::rename(temporary_.c_str(), target_.path.c_str()) != 0) ThrowErrno();
        temporary_.Release();
    }

    // Undoes PutInPlace as far as it can; a failure here is swallowed, the
    // error that stopped the group is the one reported.
    void PutBack() noexcept {
        if (inMemory_) {
            try {
                WriteInPlace(target_, oldBytes_);
            } catch (...) {
            }
        } else if (exchanged_) {
            if (::rename(temporary_.c_str(), target_.path.c_str()) == 0) temporary_.Release();
        } else if (!target_.exists) {
            ::unlink(target_.path.c_str());
        }
    }

  private:
    void StageInMemory(const FileToWrite& file) {
        inMemory_ = true;
        BytesSink whole;
        file.produce(whole);
        newBytes_ = std::move(whole.bytes);
        oldBytes_ = ReadFileBytes(target_.path, static_cast<std::size_t>(target_.info.st_size),
                                  kWriteSource);
    }

    SaveTarget target_;
    // The new content until it is in place; after an exchange, the old one.
    TemporaryName temporary_;
    bool exchanged_ = false;
    bool inMemory_ = false;
    Bytes newBytes_;
    Bytes oldBytes_;
};

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

std::string NonRegularFileKind(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return {};
    if (S_ISDIR(info.st_mode)) return "a folder";
    if (S_ISFIFO(info.st_mode)) return "a FIFO";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return "a device";
    return "a socket";
}

void DeleteFile(const std::string& path) {
    if (!path.empty()) ::unlink(path.c_str());
}

void WriteByteArray(const std::string& path, const Bytes& bytes, Sync sync, const StopCheck& stop) {
    WriteTogether({{path, [&bytes](ByteSink& sink) { sink.Write(bytes); }}}, sync, stop);
}

void WriteTogether(const std::vector<FileToWrite>& files, Sync sync, const StopCheck& stop) {
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (const FileToWrite& file : files)
        staged.push_back(std::make_unique<StagedFile>(file, sync));
    if (stop && stop()) throw AppError::FromErrno(EINTR, kWriteSource);
    for (std::size_t k = 0; k < staged.size(); ++k) {
        try {
            staged[k]->PutInPlace();
        } catch (...) {
            while (k-- > 0)
                staged[k]->PutBack();
            throw;
        }
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
