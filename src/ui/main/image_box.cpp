#include "main/image_box.h"

#include <QPainter>

namespace gft::ui {

QImage ReadBitmapFile(const QString& path) {
    QImage image;
    if (!image.load(path, "BMP")) return {};
    // Indexed bitmaps would be converted on every paint; convert once here.
    return image.convertToFormat(QImage::Format_RGB32);
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageBox::LoadFile(const QString& path) {
    SetImage(ReadBitmapFile(path));
}

void ImageBox::SetImage(QImage image) {
    image_ = std::move(image);
    update();
}

void ImageBox::SetFramed(bool framed) {
    if (framed_ == framed) return;
    framed_ = framed;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (framed_) {
        painter.setPen(QColor(0, 0, 0));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    if (!image_.isNull()) painter.drawImage(area, image_);
}

}  // namespace gft::ui
