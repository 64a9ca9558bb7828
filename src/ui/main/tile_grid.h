#pragma once

#include <QWidget>
#include <array>

#include "ui/main/image_box.h"

namespace gft::ui {

class TileGrid;

// One tile of the grid: an image box that reports mouse presses and moves
// with its code through its grid's signals (512 connections of their own would
// cost the start-up more than they give).
class Tile : public ImageBox {
    Q_OBJECT

  public:
    Tile(int code, TileGrid* grid);
    int Code() const { return code_; }
    // The change mark in the top right corner: the glyph differs from the
    // last loaded or saved state.
    void SetChanged(bool changed);
    bool Changed() const { return changed_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    TileGrid* grid_;
    int code_;
    bool changed_ = false;
};

// The 16 x 16 glyph grid, code 0 top left, row by row. The tiles are square
// and fill the largest square that fits the widget, inside a small margin.
class TileGrid : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kMargin = 4;  // logical pixels round the grid

    explicit TileGrid(QWidget* parent = nullptr);

    void ShowBlank();
    void SetFrames(bool on);
    // Each glyph at its true aspect, centred, instead of filling the tile.
    void SetKeepProportions(bool on);
    // The cross-hair pointer over the tiles while a glyph is picked up.
    void SetPickUpCursor(bool on);

    Tile* TileAt(int code) const { return tiles_[static_cast<std::size_t>(code)]; }
    int TileSize() const;
    // The side of the whole grid with its margins for a tile size.
    static int SideFor(int tileSize) { return 16 * tileSize + 2 * kMargin; }

  signals:
    // button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
    void TilePressed(int code, int button, int shift);
    void TileHovered(int code);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::array<Tile*, 256> tiles_{};
};

// The blank silver picture of a tile while no font is loaded.
const QImage& BlankTileImage();

}  // namespace gft::ui
