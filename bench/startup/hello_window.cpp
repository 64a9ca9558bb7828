// The baseline of the start-up benchmark: the barest Qt window, a label
// saying hello, ended after its first paint the same way the editor is.
#include <QApplication>
#include <QLabel>

#include "ui/main/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("hello"));
    window.setWindowTitle(QStringLiteral("hello"));
    gft::ui::ExitAfterFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
