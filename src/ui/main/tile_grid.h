#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

namespace gft::ui {

// The 16 x 16 glyph grid, code 0 top left, row by row, painted by this one
// widget: 256 child widgets cost the start-up and every full redraw more than
// the grid's own paint does. The tiles are square and fill the largest square
// that fits the widget, inside a small margin. Each tile shows its picture
// stretched to the tile with nearest-neighbour scaling, optionally framed or
// at its own aspect, and an orange corner mark while its glyph differs from
// the last loaded or saved state. While the grid has the keyboard focus, the
// focus tile is outlined. Tiles keep their old object names (imgChar_65) as
// the accessible names of the grid's children.
class TileGrid : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kMargin = 4;  // logical pixels round the grid

    explicit TileGrid(QWidget* parent = nullptr);

    void SetImage(int code, QImage image);
    const QImage& Image(int code) const { return images_[Index(code)]; }
    void ShowBlank();
    // The change mark in the top right corner of a tile.
    void SetChanged(int code, bool changed);
    bool Changed(int code) const { return changed_[Index(code)]; }
    void SetFrames(bool on);
    bool Framed() const { return framed_; }
    // Each glyph at its true aspect, centred, instead of filling the tile.
    void SetKeepProportions(bool on);
    // The cross-hair pointer over the tiles while a glyph is picked up.
    void SetPickUpCursor(bool on);
    // The tile the keyboard's keys act on.
    void SetFocusTile(int code);
    int FocusTile() const { return focusTile_; }

    int TileSize() const;
    QRect TileRect(int code) const;
    // The code of the tile at a point of the widget; -1 between tiles' area.
    int CodeAt(QPoint at) const;
    // The side of the whole grid with its margins for a tile size.
    static int SideFor(int tileSize) { return 16 * tileSize + 2 * kMargin; }
    // imgChar_CODE, the name a tile is known by.
    static QString TileName(int code);
    // What the hover display would say of a tile, for assistive technology.
    void SetDescriber(std::function<QString(int)> describe) { describe_ = std::move(describe); }
    QString TileDescription(int code) const { return describe_ ? describe_(code) : QString(); }

  signals:
    // button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
    void TilePressed(int code, int button, int shift);
    void TileHovered(int code);
    // A key for the grid (Qt key and modifiers) while it has the focus.
    void KeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void FocusChanged(bool focused);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    static std::size_t Index(int code) { return static_cast<std::size_t>(code & 0xFF); }
    void PaintTile(QPainter& painter, int code) const;

    std::array<QImage, 256> images_{};
    std::array<bool, 256> changed_{};
    std::function<QString(int)> describe_;
    bool framed_ = false;
    bool keepAspect_ = false;
    int focusTile_ = 0;
};

// The blank silver picture of a tile while no font is loaded.
const QImage& BlankTileImage();

}  // namespace gft::ui
