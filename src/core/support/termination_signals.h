#pragma once

namespace gft {

// SIGTERM, SIGINT, SIGHUP and SIGQUIT ask a program to end; it ends cleanly
// at its next chance instead of dying where it stands. The first such signal
// is remembered and one byte is written to a pipe, which an event loop can
// watch; a second one ends the process at once, as if nothing were caught.
// A signal that was ignored when the program started stays ignored.
// SIGXFSZ is ignored, so that writing past a file-size limit fails with
// EFBIG and is reported like any other write error.
//
// A signal handler can only reach process-wide state: this is the one place
// that keeps some. Install once, early in main.
void InstallTerminationSignals();

// The signal that asked the program to end, or 0.
int TerminationSignal();
inline bool TerminationRequested() {
    return TerminationSignal() != 0;
}

// The read end of the pipe: readable once a termination signal arrived.
int TerminationSignalFd();

// The exit status after a termination signal: 128 + its number.
int TerminationExitStatus(int signal);

}  // namespace gft
