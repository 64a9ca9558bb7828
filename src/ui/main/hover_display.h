#pragma once

#include <QLabel>
#include <QWidget>

#include "session/toggles.h"
#include "ui/main/image_box.h"

namespace gft::ui {

// A label that reports double-clicks (lblCharNo(1) opens the font dialog).
class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void DoubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Beside the grid: the glyph under the mouse, zoomed (imgChar(1280)), with its
// character and codes in the base font (lblCharNo(1)), and the picked-up
// glyph (imgChar(1290)) with its code (lblCharNo(0)). The zoom keeps its exact
// size; what does not fit the area is cut off.
class HoverDisplay : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kZoom = 6;  // logical pixels per glyph pixel

    explicit HoverDisplay(QWidget* parent = nullptr);

    // label is in caption form ("&&" for "&"); the zoom is zoomWidth x
    // zoomHeight glyph pixels of the tile picture, or unchanged when 0.
    void ShowHover(const QString& label, const QImage& tile, int zoomWidth, int zoomHeight);
    // A null picture clears it.
    void ShowPickUp(const QString& label, const QImage& tile);
    void SetFrames(bool on);
    void SetBaseFont(const BaseFont& font);
    // The label takes the base font now (at the latest when it first shows
    // a glyph): the window calls this after its first paint.
    void TakeBaseFont();

    QSize sizeHint() const override;

  signals:
    void LabelDoubleClicked();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Arrange();

    ClickLabel* hoverLabel_;
    QLabel* pickUpLabel_;
    ImageBox* pickUpImage_;
    ImageBox* zoom_;
    BaseFont baseFont_;
    bool fontTaken_ = false;
};

// Caption text as a label shows it: "&&" is one "&", a lone "&" marks an
// access key and is not shown.
QString PlainCaption(const QString& caption);

// The base font as a Qt font: the named family, falling back to a
// monospace face when it is missing.
QFont ToQFont(const BaseFont& font);

}  // namespace gft::ui
