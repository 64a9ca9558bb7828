#include "ui/main/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <utility>
#include <vector>

#include "commands/command_table.h"
#include "commands/window/option_commands.h"
#include "session/session.h"
#include "ui/main/recent_fonts_menu.h"

namespace gft::ui {

namespace {

QAction* AddItem(QMenu* menu, Session& session, const CommandSpec& command,
                 std::array<ToggleControls, kToggleCount>& toggles) {
    if (command.separatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(QString::fromUtf8(command.caption));
    action->setObjectName(QString::fromLatin1(command.control));
    if (*command.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
    if (command.toggle) {
        action->setCheckable(true);
        action->setChecked(session.On(*command.toggle));
        toggles[static_cast<std::size_t>(*command.toggle)].mark = action;
    }
    action->setEnabled(IsEnabled(session, command));
    QObject::connect(action, &QAction::triggered, action,
                     [&session, &command] { RunCommand(session, command); });
    return action;
}

}  // namespace

std::function<void()> BuildMainMenus(QMainWindow& window, Session& session, WindowParts& parts) {
    auto& toggles = parts.toggles;
    std::vector<std::pair<QAction*, const CommandSpec*>> ruled;
    std::map<Menu, QMenu*> menus;
    const auto make = [&menus](QMenu* created, const MenuSpec& menuEntry) {
        created->setObjectName(QString::fromLatin1(menuEntry.control));
        menus[menuEntry.menu] = created;
    };
    for (const MenuSpec& menuEntry : Menus())
        if (menuEntry.parent == Menu::None)
            make(window.menuBar()->addMenu(QString::fromUtf8(menuEntry.caption)), menuEntry);
    for (const CommandSpec& command : Commands()) {
        if (command.menu == Menu::None) continue;
        if (!menus.count(command.menu)) {  // a submenu opens at its first item
            const auto menuEntry =
                std::find_if(Menus().begin(), Menus().end(),
                             [&](const MenuSpec& m) { return m.menu == command.menu; });
            QMenu* parent = menus.at(menuEntry->parent);
            if (menuEntry->separatorBefore) parent->addSeparator();
            const QString caption = QString::fromUtf8(menuEntry->caption);
            if (menuEntry->menu == Menu::FileRecent) {
                parts.recentFonts = new RecentFontsMenu(session, caption, parent);
                parent->addMenu(parts.recentFonts);
                make(parts.recentFonts, *menuEntry);
            } else {
                make(parent->addMenu(caption), *menuEntry);
            }
        }
        QAction* item = AddItem(menus.at(command.menu), session, command, toggles);
        if (command.enabled != nullptr) ruled.emplace_back(item, &command);
    }
    if (parts.recentFonts != nullptr) parts.recentFonts->ShowList(session.recentFonts);
    // Undo, redo and the recovery items also follow notices of their own.
    return [&session, ruled] {
        for (const auto& [item, command] : ruled)
            item->setEnabled(IsEnabled(session, *command));
    };
}

}  // namespace gft::ui
