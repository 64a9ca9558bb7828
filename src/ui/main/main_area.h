#pragma once

#include <QRect>
#include <QWidget>

namespace gft::ui {

// Where the three parts of the window's client area go: the square glyph
// grid top left, the command panel right of it down to the status row, the
// status row along the bottom. The grid takes the largest whole tile size
// that leaves the panel its minimum width.
struct MainGeometry {
    QRect grid;
    QRect panel;
    QRect status;
};
inline constexpr int kStatusRowHeight = 21;
MainGeometry ComputeMainGeometry(QSize client, int panelMinWidth);

// The client area: places the grid, the panel and the status row.
class MainArea : public QWidget {
    Q_OBJECT

  public:
    MainArea(QWidget* grid, QWidget* panel, QWidget* status, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* grid_;
    QWidget* panel_;
    QWidget* status_;
};

}  // namespace gft::ui
