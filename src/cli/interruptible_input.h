#pragma once

#include <streambuf>

namespace gft::cli {

// Reads a file descriptor (the runner's standard input) as a stream that
// ends early when a second descriptor becomes readable: the pipe of the
// termination signals. A runner waiting for its next line then ends cleanly.
class InterruptibleInput : public std::streambuf {
  public:
    InterruptibleInput(int fd, int wakeFd) : fd_(fd), wakeFd_(wakeFd) {}

  protected:
    int_type underflow() override;

  private:
    int fd_;
    int wakeFd_;
    char buffer_[4096];
};

}  // namespace gft::cli
