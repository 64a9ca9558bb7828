#include "ui/app/deferred_icon_style.h"

#include <QIconEngine>
#include <QPointer>
#include <QWidget>

namespace gft::ui {

namespace {

// Asks the style for the icon the first time it is drawn or measured.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(style), which_(which), widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(style_, which_, widget_); }

  private:
    const QIcon& Icon() {
        if (!made_ && style_) icon_ = style_->standardIcon(which_, nullptr, widget_);
        made_ = true;
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<const QWidget> widget_;
    QIcon icon_;
    bool made_ = false;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    // An option lives only for the call: such an icon is made at once.
    if (option != nullptr) return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), icon, widget));
}

}  // namespace gft::ui
