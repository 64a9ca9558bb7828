#pragma once

#include <string>

namespace gft {

// A lock file held for as long as the object lives (flock on a file of its
// own). The kernel lets go of it when the process ends in any way, a kill or
// a crash included, so that another process can tell a live owner from an
// ended one without asking after process ids (which a zombie still answers
// and a new process may reuse). The descriptor is not inherited by programs
// this one starts.
class FileLock {
  public:
    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Makes a new lock file at path, already held: it never shows under its
    // name unheld. Throws AppError (errno, "FileLock").
    static FileLock Create(const std::string& path);

    enum class Outcome { Taken, Held, Missing };
    // Takes the lock of the file at path when no process holds it. Missing:
    // there is no such file (or it was removed while this looked at it).
    static Outcome Take(const std::string& path, FileLock& taken);

    bool Holds() const { return fd_ >= 0; }
    // Deletes the lock file, then lets go of it.
    void Remove();
    void Release();

  private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace gft
