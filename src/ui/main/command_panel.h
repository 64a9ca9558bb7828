#pragma once

#include <QWidget>

#include "ui/main/qt_view.h"

namespace gft {
class Session;
}

namespace gft::ui {

// The controls right of the grid: the command buttons, the option check
// boxes, the hover display, the log with its Clear button. Each control
// calls one core operation; the check boxes go through ClickToggle and are
// recorded in parts for the view, as are the hover display and the log.
class CommandPanel : public QWidget {
    Q_OBJECT

  public:
    CommandPanel(Session& session, WindowParts& parts, QWidget* parent = nullptr);
};

// The status line and the generation time below the grid.
class StatusRow : public QWidget {
    Q_OBJECT

  public:
    explicit StatusRow(WindowParts& parts, QWidget* parent = nullptr);
};

}  // namespace gft::ui
