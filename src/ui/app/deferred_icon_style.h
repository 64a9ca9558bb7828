#pragma once

#include <QProxyStyle>

namespace gft::ui {

// The application's style, with the standard icons made only when first
// drawn. Building the menu bar asks for the icon of its overflow button,
// which the style loads from its resources at once: a cost of the start-up
// for a button that shows only in a window too narrow for its menus.
class DeferredIconStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace gft::ui
