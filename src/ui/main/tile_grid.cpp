#include "ui/main/tile_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "format/tile_bitmap.h"
#include "ui/main/image_box.h"
#include "ui/main/mouse_masks.h"

namespace gft::ui {

namespace {

constexpr int kColumns = 16;

// The keys the grid takes for itself while it has the focus.
bool GridKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
    }
}

// The one-pixel black frame round a tile with no picture.
void Outline(QPainter& painter, const QRect& area, const QColor& colour) {
    painter.fillRect(area.left(), area.top(), area.width(), 1, colour);
    painter.fillRect(area.left(), area.bottom(), area.width(), 1, colour);
    painter.fillRect(area.left(), area.top(), 1, area.height(), colour);
    painter.fillRect(area.right(), area.top(), 1, area.height(), colour);
}

}  // namespace

const QImage& BlankTileImage() {
    static const QImage blank = TileImage(BlankTileBitmap());
    return blank;
}

TileGrid::TileGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tileGrid"));
    setMouseTracking(true);
    // Tab reaches the grid; a click on a tile leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    ShowBlank();
}

QString TileGrid::TileName(int code) {
    return QStringLiteral("imgChar_%1").arg(code);
}

void TileGrid::SetImage(int code, QImage image) {
    images_[Index(code)] = std::move(image);
    update(TileRect(code));
}

void TileGrid::ShowBlank() {
    images_.fill(BlankTileImage());
    update();
}

void TileGrid::SetChanged(int code, bool changed) {
    if (changed_[Index(code)] == changed) return;
    changed_[Index(code)] = changed;
    update(TileRect(code));
}

void TileGrid::SetFrames(bool on) {
    if (framed_ == on) return;
    framed_ = on;
    update();
}

void TileGrid::SetKeepProportions(bool on) {
    if (keepAspect_ == on) return;
    keepAspect_ = on;
    update();
}

void TileGrid::SetPickUpCursor(bool on) {
    if (on)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void TileGrid::SetFocusTile(int code) {
    if (code == focusTile_) return;
    update(TileRect(focusTile_));
    focusTile_ = code;
    update(TileRect(focusTile_));
}

int TileGrid::TileSize() const {
    return std::max(1, (std::min(width(), height()) - 2 * kMargin) / kColumns);
}

QRect TileGrid::TileRect(int code) const {
    const int size = TileSize();
    return {kMargin + size * (code % kColumns), kMargin + size * (code / kColumns), size, size};
}

int TileGrid::CodeAt(QPoint at) const {
    const int size = TileSize();
    const int x = at.x() - kMargin;
    const int y = at.y() - kMargin;
    if (x < 0 || y < 0 || x >= kColumns * size || y >= kColumns * size) return -1;
    return (y / size) * kColumns + x / size;
}

// The frame, the picture, then the change mark: a small orange triangle in
// the top right corner, outlined so that it shows on ink and paper alike.
void TileGrid::PaintTile(QPainter& painter, int code) const {
    const QRect tile = TileRect(code);
    QRect area = tile;
    const QImage& image = images_[Index(code)];
    if (framed_) {
        // With a picture inside, the tile filled black and the picture drawn
        // over all but its edge: the same pixels as an outline, for less.
        if (image.isNull())
            Outline(painter, area, Qt::black);
        else
            painter.fillRect(area, Qt::black);
        area.adjust(1, 1, -1, -1);
    }
    if (!image.isNull()) {
        if (keepAspect_) {
            painter.fillRect(area, palette().color(QPalette::Window));
            const QSize size = image.size().scaled(area.size(), Qt::KeepAspectRatio);
            area =
                QRect(area.x() + (area.width() - size.width()) / 2,
                      area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
        }
        painter.drawImage(area, image);
    }
    if (!changed_[Index(code)]) return;
    const int side = std::max(4, tile.width() / 4);
    const int right = tile.x() + tile.width();
    painter.save();
    painter.setClipRect(tile);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(QColor(255, 140, 0));
    painter.drawPolygon(QPolygon(
        {QPoint(right - side, tile.y()), QPoint(right, tile.y()), QPoint(right, tile.y() + side)}));
    painter.restore();
}

// Only the tiles the event asks for are painted.
void TileGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    const int size = TileSize();
    const auto span = [size](int from, int to) {
        return std::pair{std::clamp((from - kMargin) / size, 0, kColumns - 1),
                         std::clamp((to - kMargin) / size, 0, kColumns - 1)};
    };
    const auto [firstCol, lastCol] = span(dirty.left(), dirty.right());
    const auto [firstRow, lastRow] = span(dirty.top(), dirty.bottom());
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col)
            PaintTile(painter, row * kColumns + col);
    if (!hasFocus()) return;
    // The focus tile: a black frame with a white line inside it.
    const QRect focus = TileRect(focusTile_);
    Outline(painter, focus, Qt::black);
    Outline(painter, focus.adjusted(1, 1, -1, -1), Qt::white);
    Outline(painter, focus.adjusted(2, 2, -2, -2), Qt::black);
}

void TileGrid::mousePressEvent(QMouseEvent* event) {
    const int code = CodeAt(event->position().toPoint());
    const int button = ButtonMask(event->button());
    if (code >= 0 && button != 0) emit TilePressed(code, button, ModifierMask(event->modifiers()));
    event->accept();
}

void TileGrid::mouseMoveEvent(QMouseEvent* event) {
    const int code = CodeAt(event->position().toPoint());
    if (code >= 0) emit TileHovered(code);
    event->accept();
}

void TileGrid::keyPressEvent(QKeyEvent* event) {
    if (!GridKey(event->key())) return QWidget::keyPressEvent(event);
    emit KeyPressed(event->key(), event->modifiers());
    event->accept();
}

void TileGrid::focusInEvent(QFocusEvent*) {
    update(TileRect(focusTile_));
    emit FocusChanged(true);
}

void TileGrid::focusOutEvent(QFocusEvent*) {
    update(TileRect(focusTile_));
    emit FocusChanged(false);
}

}  // namespace gft::ui
