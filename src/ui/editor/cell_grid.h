#pragma once

#include <QRect>
#include <QWidget>

namespace gft {
class Session;
}

namespace gft::ui {

// picTable: the editor's grid of cells, one per bit of every row of the
// glyph in the editor, beyond-width columns included. It paints what the
// core's grid geometry says at the pitch the window gives it, and turns mouse
// presses and moves into the core's picTable events (in the units of pitch
// 16).
class CellGrid : public QWidget {
    Q_OBJECT

  public:
    explicit CellGrid(Session& session, QWidget* parent = nullptr);

    // DrawTable: takes the size of the glyph's grid at pitch and repaints
    // all of it.
    void Rebuild(int pitch);
    int Pitch() const { return pitch_; }
    // DrawCell: repaints the one cell (0-based column and row).
    void CellChanged(int col, int row);

    // The area of a cell inside the grid lines.
    QRect CellArea(int col, int row) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // The grid shows no focus: taking or losing it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

  private:
    Session& session_;
    int pitch_;
};

}  // namespace gft::ui
