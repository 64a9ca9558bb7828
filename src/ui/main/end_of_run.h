#pragma once

class QMainWindow;

namespace gft {
class Session;
}

namespace gft::ui {

// A termination signal (SIGTERM, SIGINT, SIGHUP, SIGQUIT) closes the window
// as Exit does, so its shutdown runs, and then ends the program with status
// 128 + the signal's number. The signals must be installed
// (InstallTerminationSignals) before.
void CloseOnTerminationSignal(QMainWindow& window);

// Keeps the recovery copy of the window's unsaved changes up to date: a
// timer looks at the font twice a second, the core writes at most every two
// seconds.
void KeepRecoveryCopies(QMainWindow& window, Session& session);

}  // namespace gft::ui
