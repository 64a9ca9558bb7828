#include "ui/main/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace gft::ui {

namespace {

// The window's own paint event comes first in a repaint of the window; the
// quit is queued, so the children's paint and the flush to the screen that
// follow in the same repaint are done before it runs.
class FirstPaintWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

}  // namespace

void ExitAfterFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariable("GFT_EXIT_AFTER_FIRST_PAINT") != QLatin1String("1")) return;
    window.installEventFilter(new FirstPaintWatcher(&window));
}

}  // namespace gft::ui
