#pragma once

#include <stdexcept>
#include <string>

namespace gft {

// An unexpected failure (a file that cannot be read or written, an overflow).
// The open dispatcher and the save command catch it and log its "Error #" frame.
class AppError : public std::runtime_error {
  public:
    AppError(int number, std::string source, std::string description)
        : std::runtime_error(description),
          number_(number),
          source_(std::move(source)),
          description_(std::move(description)) {}

    int number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }

    // The one log entry that reports this error.
    std::string LogEntry() const {
        return "Error #" + std::to_string(number_) + " on " + source_ + "\r\n" + description_;
    }

    // An error from the C library's errno.
    static AppError FromErrno(int err, std::string source);
    // What `source` reports when it cannot get the memory it needs.
    static AppError OutOfMemory(std::string source);

  private:
    int number_;
    std::string source_;
    std::string description_;
};

inline constexpr int kOverflowError = 6;
inline constexpr int kOutOfMemoryError = 7;

}  // namespace gft
