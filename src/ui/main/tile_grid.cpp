#include "ui/main/tile_grid.h"

#include <QPainter>
#include <QPolygon>

#include <QMouseEvent>
#include <algorithm>

#include "format/tile_bitmap.h"
#include "ui/main/mouse_masks.h"

namespace gft::ui {

const QImage& BlankTileImage() {
    static const QImage blank = TileImage(BlankTileBitmap());
    return blank;
}

Tile::Tile(int code, TileGrid* grid) : ImageBox(grid), grid_(grid), code_(code) {
    setObjectName(QStringLiteral("imgChar_%1").arg(code));
    setMouseTracking(true);
}

void Tile::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonMask(event->button());
    if (button != 0) emit grid_->TilePressed(code_, button, ModifierMask(event->modifiers()));
    event->accept();
}

void Tile::mouseMoveEvent(QMouseEvent* event) {
    emit grid_->TileHovered(code_);
    event->accept();
}

TileGrid::TileGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tileGrid"));
    for (int code = 0; code < 256; ++code)
        tiles_[static_cast<std::size_t>(code)] = new Tile(code, this);
    ShowBlank();
}

void Tile::SetChanged(bool changed) {
    if (changed == changed_) return;
    changed_ = changed;
    update();
}

// A small orange triangle in the top right corner, outlined so that it
// shows on ink and on paper alike.
void Tile::paintEvent(QPaintEvent* event) {
    ImageBox::paintEvent(event);
    if (!changed_) return;
    const int side = std::max(4, width() / 4);
    const QPolygon corner({QPoint(width() - side, 0), QPoint(width(), 0), QPoint(width(), side)});
    QPainter painter(this);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(QColor(255, 140, 0));
    painter.drawPolygon(corner);
}

void TileGrid::ShowBlank() {
    for (Tile* tile : tiles_)
        tile->SetImage(BlankTileImage());
}

void TileGrid::SetFrames(bool on) {
    for (Tile* tile : tiles_)
        tile->SetFramed(on);
}

void TileGrid::SetKeepProportions(bool on) {
    for (Tile* tile : tiles_)
        tile->SetKeepAspect(on);
}

void TileGrid::SetPickUpCursor(bool on) {
    if (on)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

int TileGrid::TileSize() const {
    return std::max(1, (std::min(width(), height()) - 2 * kMargin) / 16);
}

void TileGrid::resizeEvent(QResizeEvent*) {
    const int size = TileSize();
    for (int code = 0; code < 256; ++code)
        TileAt(code)->setGeometry(kMargin + size * (code % 16), kMargin + size * (code / 16), size,
                                  size);
}

}  // namespace gft::ui
