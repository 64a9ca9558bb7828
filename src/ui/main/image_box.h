#pragma once

#include <QImage>
#include <QWidget>

#include "support/bytes.h"

namespace gft::ui {

// An image control: shows a picture stretched to its own size with
// nearest-neighbour scaling (crisp font pixels on any screen), optionally
// inside a thin frame. The tiles, the zoom and the picked-up glyph are these.
class ImageBox : public QWidget {
    Q_OBJECT

  public:
    explicit ImageBox(QWidget* parent = nullptr);

    void SetImage(QImage image);
    void Clear() { SetImage(QImage()); }
    const QImage& Image() const { return image_; }

    void SetFramed(bool framed);
    // The picture at its own aspect, as large as fits and centred.
    void SetKeepAspect(bool keep);
    bool Framed() const { return framed_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
    bool framed_ = false;
    bool keepAspect_ = false;
};

// Reads a tile bitmap file into an image ready to draw.
QImage ReadBitmapFile(const QString& path);
// The same from the bitmap's bytes; bytes no reader takes give a null image.
QImage TileImage(const Bytes& bytes);

}  // namespace gft::ui
