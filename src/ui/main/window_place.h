#pragma once

#include <QSize>
#include <optional>

#include "session/window_places.h"

class QWidget;

namespace gft::ui {

// Puts a top-level window at its remembered place when that still lies on a
// screen, else gives it its default size, made smaller on a smaller screen.
// Before the window is first shown; no file is read.
void PlaceWindow(QWidget& window, const std::optional<WindowPlace>& saved, QSize defaultSize);

// Where a window stands: its normal rectangle and whether it is maximised;
// none before it was ever shown.
std::optional<WindowPlace> PlaceOf(const QWidget& window);

}  // namespace gft::ui
