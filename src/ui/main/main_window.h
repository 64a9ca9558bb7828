#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/session.h"
#include "main/dialogs.h"
#include "main/qt_view.h"
#include "main/start_up.h"

namespace gft::ui {

// frmGrindFNTtool: the glyph grid, the command panel, the menus and the
// status row over one session. Events become core calls; the core shows its
// results through the QtView.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // arguments: the command line without the program name.
    MainWindow(std::unique_ptr<Dialogs> dialogs, const QStringList& arguments,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    const WindowParts& parts() const { return parts_; }
    // The client area's size at which tiles are 24 x 24.
    QSize DefaultClientSize() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildWindow();

    std::unique_ptr<Dialogs> dialogs_;
    QtView view_;
    Session session_;
    RunFolder runFolder_;
    WindowParts parts_;
};

}  // namespace gft::ui
