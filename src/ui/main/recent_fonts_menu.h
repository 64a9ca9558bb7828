#pragma once

#include <QMenu>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace gft {
class Session;
}

namespace gft::ui {

// File > "Recent fonts": the entries' captions follow the list as the core
// reports it; whether each file is still there is looked up only when the
// menu opens (a missing one shows greyed, yet can be chosen, which takes it
// off the list). The entries' keys (Ctrl+1..8) work with the menu closed.
class RecentFontsMenu : public QMenu {
    Q_OBJECT

  public:
    RecentFontsMenu(Session& session, const QString& title, QWidget* parent);
    // The entries are the menu's first actions, in order.
    void ShowList(const std::vector<std::string>& paths);

  protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

  private:
    void LookForFiles();

    Session& session_;
    std::set<const QAction*> missing_;
};

}  // namespace gft::ui
