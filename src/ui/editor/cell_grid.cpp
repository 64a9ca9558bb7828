#include "ui/editor/cell_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "commands/editor/char_editor.h"
#include "commands/editor/compare_overlay.h"
#include "commands/editor/grid_geometry.h"
#include "commands/editor/pixel_edit.h"
#include "session/session.h"
#include "ui/main/mouse_masks.h"

namespace gft::ui {

namespace {

QColor ToQColor(Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

QRect ToQRect(const GridRect& rect) {
    return {QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom)};
}

// The cells a rectangle of the grid touches along one axis: first..last.
std::pair<int, int> CellSpan(int from, int to, int count, int pitch) {
    return {std::max(0, (from - 1) / pitch), std::min(count - 1, to / pitch)};
}

}  // namespace

CellGrid::CellGrid(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), pitch_(kCellPitch) {
    setObjectName(QStringLiteral("picTable"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    resize(0, 0);
}

void CellGrid::Rebuild(int pitch) {
    pitch_ = pitch;
    if (EditorReady(session_)) {
        const GridSize size = TableSize(session_.editor.EditChr, session_.font.FontHeight, pitch_);
        resize(size.width, size.height);
    }
    update();
}

void CellGrid::CellChanged(int col, int row) {
    update(CellArea(col, row));
}

QRect CellGrid::CellArea(int col, int row) const {
    return {col * pitch_ + 1, row * pitch_ + 1, pitch_ - 1, pitch_ - 1};
}

// Only what the event asks for is painted: the background pieces it
// touches and the cells inside it, so a one-cell update costs one cell.
void CellGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (!EditorReady(session_)) {
        painter.fillRect(dirty, ToQColor(kGridLineColor));
        return;
    }
    const CharInfo& glyph = session_.editor.EditChr;
    const int height = session_.font.FontHeight;
    for (const GridRect& piece : TableBackground(glyph, height, pitch_)) {
        const QRect area = ToQRect(piece).intersected(dirty);
        if (!area.isEmpty()) painter.fillRect(area, ToQColor(piece.color));
    }
    const auto [firstCol, lastCol] =
        CellSpan(dirty.left(), dirty.right(), GridColumns(glyph), pitch_);
    const auto [firstRow, lastRow] = CellSpan(dirty.top(), dirty.bottom(), height, pitch_);
    const CharInfo* compared = OverlayGlyph(session_);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col) {
            const GridRect cell = CellRect(glyph, col, row, pitch_);
            painter.fillRect(ToQRect(cell), ToQColor(cell.color));
            if (compared && ComparedInk(*compared, session_.compared.height, col, row)) {
                const GridRect mark = ComparedMark(col, row, pitch_);
                painter.fillRect(ToQRect(mark), ToQColor(mark.color));
            }
        }
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPointF at = event->position();
    PressOnGrid(session_, ButtonMask(event->button()), TableUnits(at.x(), pitch_),
                TableUnits(at.y(), pitch_));
    event->accept();
}

void CellGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    DragOnGrid(session_, ButtonMask(event->buttons()), TableUnits(at.x(), pitch_),
               TableUnits(at.y(), pitch_));
    event->accept();
}

}  // namespace gft::ui
