// grindfnttool: the editor's main window over the core.
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/termination_signals.h"
#include "ui/app/deferred_icon_style.h"
#include "ui/main/end_of_run.h"
#include "ui/main/first_paint.h"
#include "ui/main/guarded_application.h"
#include "ui/main/main_window.h"
#include "ui/main/startup_outcome.h"

int main(int argc, char* argv[]) {
    gft::InstallTerminationSignals();
    gft::ui::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grind FNT Tool"));
    QApplication::setStyle(new gft::ui::DeferredIconStyle);
    // Qt has taken its own options out of argv; every other element is one
    // argument, its bytes as the shell gave them.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string programFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();

    auto dialogs = std::make_unique<gft::ui::QtDialogs>();
    gft::ui::QtDialogs* dialogParent = dialogs.get();
    gft::StartupEnvironment environment = gft::ProcessEnvironment(programFolder, arguments);
    environment.documentsFolder =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .toStdString();
    gft::ui::MainWindow window(std::move(dialogs), environment);
    dialogParent->SetParent(&window);
    app.SetReporter([&window](const std::string& entry) { window.session().Log(entry); });
    gft::ui::CloseOnTerminationSignal(window);
    if (const auto status = gft::ui::EndOfStartup(window.startup(), window.session(), *dialogParent,
                                                  stdout, stderr))
        return *status;
    gft::ui::ExitAfterFirstPaintIfAsked(window);
    gft::ui::KeepRecoveryCopies(window, window.session());
    window.show();
    return QApplication::exec();
}
