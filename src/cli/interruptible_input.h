#pragma once

#include <functional>
#include <streambuf>
#include <utility>

namespace gft::cli {

// Reads a file descriptor (the runner's standard input) as a stream that
// ends early when a second descriptor becomes readable: the pipe of the
// termination signals. A runner waiting for its next line then ends cleanly.
// Before it waits, it calls onIdle: the runner keeps its recovery copy up to
// date then, so a person typing commands never has one older than the last.
class InterruptibleInput : public std::streambuf {
  public:
    InterruptibleInput(int fd, int wakeFd, std::function<void()> onIdle = {})
        : fd_(fd), wakeFd_(wakeFd), onIdle_(std::move(onIdle)) {}

  protected:
    int_type underflow() override;

  private:
    int fd_;
    int wakeFd_;
    std::function<void()> onIdle_;
    char buffer_[4096];
};

}  // namespace gft::cli
