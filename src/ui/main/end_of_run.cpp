#include "ui/main/end_of_run.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QMainWindow>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>

#include "commands/files/recovery.h"
#include "support/termination_signals.h"

namespace gft::ui {

namespace {

constexpr int kRecoveryLookMs = 500;

}  // namespace

void CloseOnTerminationSignal(QMainWindow& window) {
    const int fd = TerminationSignalFd();
    if (fd < 0) return;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &window);
    QMainWindow* target = &window;
    QObject::connect(notifier, &QSocketNotifier::activated, target, [target, notifier] {
        notifier->setEnabled(false);
        char byte = 0;
        [[maybe_unused]] const ssize_t ignored = ::read(TerminationSignalFd(), &byte, 1);
        target->close();
        QCoreApplication::exit(TerminationExitStatus(TerminationSignal()));
    });
}

void KeepRecoveryCopies(QMainWindow& window, Session& session) {
    auto* timer = new QTimer(&window);
    QObject::connect(timer, &QTimer::timeout, &window,
                     [&session] { KeepRecoveryCopy(session, std::chrono::steady_clock::now()); });
    timer->start(kRecoveryLookMs);
}

}  // namespace gft::ui
