#include "ui/main/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace gft::ui {

namespace {

// The window's own paint event comes first in a repaint of the window.
class FirstPaintWatcher : public QObject {
  public:
    FirstPaintWatcher(QWidget& window, std::function<void()> then)
        : QObject(&window), then_(std::move(then)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> then) {
    window.installEventFilter(new FirstPaintWatcher(window, std::move(then)));
}

void ExitAfterFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariable("GFT_EXIT_AFTER_FIRST_PAINT") != QLatin1String("1")) return;
    AfterFirstPaint(window, [] {
        std::fputs("first paint\n", stdout);
        std::fflush(stdout);
        // One more turn of the event loop: what else the first paint queued
        // (the tile files) runs before the end.
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
    });
}

}  // namespace gft::ui
