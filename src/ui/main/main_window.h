#pragma once

#include <QMainWindow>
#include <memory>

#include "app/startup.h"
#include "session/session.h"
#include "ui/main/dialogs.h"
#include "ui/main/qt_view.h"

namespace gft::ui {

// frmGrindFNTtool: the glyph grid, the command panel, the menus and the
// status row over one session. Events become core calls; the core shows its
// results through the QtView. The window runs the core's start-up as it is
// made (the caller looks at startup() before showing it) and the shutdown
// once when it closes, or when it goes without having been closed.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(std::unique_ptr<Dialogs> dialogs, const StartupEnvironment& environment,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    const StartupResult& startup() const { return startup_; }
    const WindowParts& parts() const { return parts_; }
    // The client area's size at which tiles are 24 x 24 and the log shows a
    // line of the usual length whole; a smaller screen gets a smaller window.
    QSize DefaultClientSize() const;
    // frmCharEd and frmTextPreview, made when first asked for: most runs
    // open neither, and making them held up the first paint.
    CharEditorWindow& CharEditor();
    TextPreviewWindow& TextPreview();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildWindow();
    void ShutDownOnce();

    std::unique_ptr<Dialogs> dialogs_;
    QtView view_;
    Session session_;
    WindowParts parts_;
    StartupResult startup_;
    bool shutDown_ = false;
};

}  // namespace gft::ui
