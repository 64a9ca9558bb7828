#include "ui/main/tile_grid.h"

#include <QMouseEvent>
#include <algorithm>

#include "format/tile_bitmap.h"

namespace gft::ui {

namespace {

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= 1;
    if (modifiers & Qt::ControlModifier) shift |= 2;
    if (modifiers & Qt::AltModifier) shift |= 4;
    return shift;
}

}  // namespace

const QImage& BlankTileImage() {
    static const QImage blank = [] {
        const Bytes bytes = BlankTileBitmap();
        QImage image;
        image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
        return image.convertToFormat(QImage::Format_RGB32);
    }();
    return blank;
}

Tile::Tile(int code, QWidget* parent) : ImageBox(parent), code_(code) {
    setObjectName(QStringLiteral("imgChar_%1").arg(code));
    setMouseTracking(true);
}

void Tile::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    if (button != 0) emit Pressed(code_, button, ShiftCode(event->modifiers()));
    event->accept();
}

void Tile::mouseMoveEvent(QMouseEvent* event) {
    emit Hovered(code_);
    event->accept();
}

TileGrid::TileGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tileGrid"));
    for (int code = 0; code < 256; ++code) {
        Tile* tile = new Tile(code, this);
        connect(tile, &Tile::Pressed, this, &TileGrid::TilePressed);
        connect(tile, &Tile::Hovered, this, &TileGrid::TileHovered);
        tiles_[static_cast<std::size_t>(code)] = tile;
    }
    ShowBlank();
}

void TileGrid::ShowBlank() {
    for (Tile* tile : tiles_)
        tile->SetImage(BlankTileImage());
}

void TileGrid::SetFrames(bool on) {
    for (Tile* tile : tiles_)
        tile->SetFramed(on);
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
