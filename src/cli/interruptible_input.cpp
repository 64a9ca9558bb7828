#include "interruptible_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace gft::cli {

std::streambuf::int_type InterruptibleInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    bool idle = false;
    while (true) {
        pollfd watched[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const int ready = ::poll(watched, 2, idle || !onIdle_ ? -1 : 0);
        if (ready == 0) {
            idle = true;
            onIdle_();
            continue;
        }
        if (ready < 0) {
            if (errno == EINTR) continue;
            return traits_type::eof();
        }
        if (watched[1].revents != 0) return traits_type::eof();
        const ssize_t n = ::read(fd_, buffer_, sizeof buffer_);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return traits_type::eof();
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(*gptr());
    }
}

}  // namespace gft::cli
