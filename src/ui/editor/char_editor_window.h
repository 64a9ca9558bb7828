#pragma once

#include <QWidget>
#include <array>

#include "session/toggles.h"
#include "ui/main/qt_view.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace gft {
class Session;
}

namespace gft::ui {

class CellGrid;

// frmCharEd: the character editor, a modeless window beside the main window.
// The cell grid fills a frame above the controls with cells as large as fit;
// a glyph that does not fit even at the smallest cells gets two scroll bars
// that move the grid in the frame. Below: the cell report, the character in
// the base font, the command buttons and the editor's option boxes. Each
// control calls one core operation; the QtView passes on what the core
// reports.
class CharEditorWindow : public QWidget {
    Q_OBJECT

  public:
    // The option boxes are recorded in toggles for the view.
    CharEditorWindow(Session& session, std::array<ToggleControls, kToggleCount>& toggles,
                     QWidget* parent = nullptr);
    ~CharEditorWindow() override;

    // The size the window was laid out at.
    static QSize DefaultSize();

    void ShowWindow();
    void HideWindow();
    // The glyph or its size changed: fit the grid to the frame again.
    void Rebuild();
    // Both bars back to the start (about the middle).
    void ResetScroll();
    void SetCaption(const QString& caption, const QString& label);
    void CellChanged(int col, int row);
    void SetReport(const QString& text);
    void SetBaseFont(const BaseFont& font);
    // "[Stay on top]": on, the window stays above the main window (and the
    // others); off, it is an ordinary window the main window may cover.
    void SetStayOnTop(bool on);
    // "[Show compared]" can be used only while a compared font is kept.
    void SetComparedAvailable(bool kept);

    CellGrid* Grid() const { return grid_; }
    QWidget* Frame() const { return frame_; }
    QScrollBar* HScroll() const { return hScroll_; }
    QScrollBar* VScroll() const { return vScroll_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Arrange();
    void BuildButtons(std::array<ToggleControls, kToggleCount>& toggles);
    void ScrollTableH();
    void ScrollTableV();
    void ApplyTransientParent();

    Session& session_;
    QWidget* frame_;
    CellGrid* grid_;
    QScrollBar* hScroll_;
    QScrollBar* vScroll_;
    QWidget* controls_;
    QLineEdit* report_;
    QLabel* charLabel_;
    QPushButton* showCompared_ = nullptr;
};

}  // namespace gft::ui
