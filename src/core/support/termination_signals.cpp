#include "support/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace gft {

namespace {

volatile std::sig_atomic_t caughtSignal = 0;
int signalPipe[2] = {-1, -1};

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

extern "C" void OnTerminationSignal(int signal) {
    if (caughtSignal != 0) {
        std::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    caughtSignal = signal;
    const char byte = static_cast<char>(signal);
    const int savedErrno = errno;
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void InstallTerminationSignals() {
    std::signal(SIGXFSZ, SIG_IGN);
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A signal ignored from the start stays ignored (nohup, a background job).
    for (const int signal : kTerminationSignals) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

int TerminationSignal() {
    return caughtSignal;
}

int TerminationSignalFd() {
    return signalPipe[0];
}

int TerminationExitStatus(int signal) {
    return 128 + signal;
}

}  // namespace gft
