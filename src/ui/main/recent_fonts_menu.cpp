#include "ui/main/recent_fonts_menu.h"

#include <QStyleOptionMenuItem>

#include "commands/files/recent_fonts.h"
#include "session/session.h"

namespace gft::ui {

RecentFontsMenu::RecentFontsMenu(Session& session, const QString& title, QWidget* parent)
    : QMenu(title, parent), session_(session) {
    connect(this, &QMenu::aboutToShow, this, &RecentFontsMenu::LookForFiles);
}

void RecentFontsMenu::ShowList(const std::vector<std::string>& paths) {
    const QList<QAction*> items = actions();
    for (std::size_t index = 0; index < kRecentFontCount && index < std::size_t(items.size());
         ++index) {
        QAction* item = items[static_cast<qsizetype>(index)];
        const bool used = index < paths.size();
        item->setVisible(used);
        item->setText(used ? QString::fromStdString(RecentFontCaption(index, paths[index]))
                           : QString());
    }
}

void RecentFontsMenu::LookForFiles() {
    missing_.clear();
    const std::vector<RecentFont> entries = RecentFontEntries(session_);
    const QList<QAction*> items = actions();
    for (std::size_t index = 0; index < entries.size() && index < std::size_t(items.size());
         ++index)
        if (!entries[index].present) missing_.insert(items[static_cast<qsizetype>(index)]);
}

void RecentFontsMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (missing_.count(action) != 0) {
        option->state &= ~QStyle::State_Enabled;
        option->palette.setCurrentColorGroup(QPalette::Disabled);
    }
}

}  // namespace gft::ui
