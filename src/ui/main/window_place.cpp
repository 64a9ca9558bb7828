#include "ui/main/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "commands/window/window_places.h"

namespace gft::ui {

namespace {

ScreenRect ToScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

void PlaceWindow(QWidget& window, const std::optional<WindowPlace>& saved, QSize defaultSize) {
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToScreenRect(screen->availableGeometry()));
    if (saved)
        if (const auto place = RestoredPlace(*saved, screens)) {
            const ScreenRect& r = place->rect;
            window.setGeometry(r.x, r.y, r.width, r.height);
            if (place->maximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
            return;
        }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return window.resize(defaultSize);
    const ScreenRect fitted = FittedSize(defaultSize.width(), defaultSize.height(),
                                         ToScreenRect(primary->availableGeometry()));
    window.resize(fitted.width, fitted.height);
}

std::optional<WindowPlace> PlaceOf(const QWidget& window) {
    if (window.windowHandle() == nullptr) return std::nullopt;
    const bool maximized = window.isMaximized();
    const QRect r = maximized ? window.normalGeometry() : window.geometry();
    return WindowPlace{{r.x(), r.y(), r.width(), r.height()}, maximized};
}

}  // namespace gft::ui
