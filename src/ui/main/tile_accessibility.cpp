#include "ui/main/tile_accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <array>

#include "ui/main/tile_grid.h"

namespace gft::ui {

namespace {

class TileCell : public QAccessibleInterface {
  public:
    TileCell(TileGrid* grid, int code) : grid_(grid), code_(code) {}

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (!grid_) return {};
        if (kind == QAccessible::Name) return TileGrid::TileName(code_);
        if (kind == QAccessible::Description) return grid_->TileDescription(code_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!grid_) return {};
        const QRect tile = grid_->TileRect(code_);
        return {grid_->mapToGlobal(tile.topLeft()), tile.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = grid_ && grid_->hasFocus() && grid_->FocusTile() == code_;
        return state;
    }

  private:
    QPointer<TileGrid> grid_;
    int code_;
};

class GridTable : public QAccessibleWidget {
  public:
    explicit GridTable(TileGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override {
        for (const QAccessible::Id id : cells_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 256; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= 256) return nullptr;
        QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new TileCell(static_cast<TileGrid*>(widget()), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* cell) const override {
        for (int index = 0; index < 256; ++index)
            if (cells_[static_cast<std::size_t>(index)] != 0 && child(index) == cell) return index;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto* grid = static_cast<const TileGrid*>(widget());
        const int code = grid->CodeAt(grid->mapFromGlobal(QPoint(x, y)));
        return code < 0 ? nullptr : child(code);
    }

  private:
    mutable std::array<QAccessible::Id, 256> cells_{};
};

QAccessibleInterface* GridFactory(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<TileGrid*>(object)) return new GridTable(grid);
    return nullptr;
}

}  // namespace

void InstallTileAccessibility() {
    QAccessible::installFactory(GridFactory);
}

}  // namespace gft::ui
