#pragma once

#include <array>
#include <functional>

#include "ui/main/qt_view.h"

class QMainWindow;

namespace gft {
class Session;
}

namespace gft::ui {

// The menu bar of the main window, built from the command table: every item
// carries its control name as objectName (items of a control array add "_"
// and the index: mnuSelect(0) is mnuSelect_0) and runs its command; option
// items and File > "Recent fonts" are recorded in parts for the view.
// Returns what sets the enabled state of every item that has a rule for it,
// as the session stands.
std::function<void()> BuildMainMenus(QMainWindow& window, Session& session, WindowParts& parts);

}  // namespace gft::ui
