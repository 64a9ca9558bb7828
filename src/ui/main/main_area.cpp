#include "ui/main/main_area.h"

#include <algorithm>

#include "ui/main/tile_grid.h"

namespace gft::ui {

namespace {

constexpr int kMinTile = 8;

}  // namespace

MainGeometry ComputeMainGeometry(QSize client, int panelMinWidth) {
    const int height = client.height() - kStatusRowHeight;
    const int room = std::min(height, client.width() - panelMinWidth);
    const int tile = std::max(kMinTile, (room - 2 * TileGrid::kMargin) / 16);
    const int side = TileGrid::SideFor(tile);
    MainGeometry g;
    g.grid = QRect(0, 0, side, side);
    g.panel = QRect(side, 0, std::max(0, client.width() - side), std::max(0, height));
    g.status = QRect(0, std::max(0, height), client.width(), kStatusRowHeight);
    return g;
}

MainArea::MainArea(QWidget* grid, QWidget* panel, QWidget* status, QWidget* parent)
    : QWidget(parent), grid_(grid), panel_(panel), status_(status) {
    for (QWidget* part : {grid_, panel_, status_})
        part->setParent(this);
}

QSize MainArea::minimumSizeHint() const {
    const QSize panel = panel_->minimumSizeHint();
    const int grid = TileGrid::SideFor(kMinTile);
    return {grid + panel.width(), std::max(grid, panel.height()) + kStatusRowHeight};
}

void MainArea::resizeEvent(QResizeEvent*) {
    const MainGeometry g = ComputeMainGeometry(size(), panel_->minimumSizeHint().width());
    grid_->setGeometry(g.grid);
    panel_->setGeometry(g.panel);
    status_->setGeometry(g.status);
}

}  // namespace gft::ui
