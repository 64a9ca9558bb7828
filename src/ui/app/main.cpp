// grindfnttool: the editor's main window over the core.
#include <QApplication>
#include <memory>

#include "main/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grind FNT Tool"));
    auto dialogs = std::make_unique<gft::ui::QtDialogs>();
    gft::ui::QtDialogs* dialogParent = dialogs.get();
    gft::ui::MainWindow window(std::move(dialogs), QApplication::arguments().mid(1));
    dialogParent->SetParent(&window);
    window.show();
    return QApplication::exec();
}
