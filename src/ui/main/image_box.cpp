#include "ui/main/image_box.h"

#include <QFile>
#include <QPainter>
#include <cstring>

#include "format/tile_decode.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft::ui {

namespace {

constexpr std::size_t kMaxTileFile = 1 << 20;

}  // namespace

QImage ReadBitmapFile(const QString& path) {
    const std::string name = QFile::encodeName(path).toStdString();
    try {
        return TileImage(ReadFileBytes(name, kMaxTileFile, "ReadBitmapFile"));
    } catch (const AppError&) {
        return {};
    }
}

// Tile bitmaps go through the core's decoder, which is much quicker than a
// general image reader; any other bitmap still loads through Qt.
QImage TileImage(const Bytes& bytes) {
    if (const auto pixels = DecodeTileBitmap(bytes)) {
        QImage image(pixels->width, pixels->height, QImage::Format_RGB32);
        for (int y = 0; y < pixels->height; ++y)
            std::memcpy(image.scanLine(y), pixels->argb.data() + std::size_t(y) * pixels->width,
                        std::size_t(pixels->width) * 4);
        return image;
    }
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()))) return {};
    // Indexed bitmaps would be converted on every paint; convert once here.
    return image.convertToFormat(QImage::Format_RGB32);
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
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
        // The one-pixel black frame: with a picture inside, the box filled
        // black and the picture drawn over all but its edge; the same pixels
        // as an outlined rectangle, at a fraction of its cost.
        const QColor black(0, 0, 0);
        if (image_.isNull()) {
            painter.fillRect(area.left(), area.top(), area.width(), 1, black);
            painter.fillRect(area.left(), area.bottom(), area.width(), 1, black);
            painter.fillRect(area.left(), area.top(), 1, area.height(), black);
            painter.fillRect(area.right(), area.top(), 1, area.height(), black);
            return;
        }
        painter.fillRect(area, black);
        area.adjust(1, 1, -1, -1);
    }
    if (image_.isNull()) return;
    if (keepAspect_) {
        painter.fillRect(area, palette().color(QPalette::Window));
        const QSize size = image_.size().scaled(area.size(), Qt::KeepAspectRatio);
        area = QRect(area.x() + (area.width() - size.width()) / 2,
                     area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
    }
    painter.drawImage(area, image_);
}

void ImageBox::SetKeepAspect(bool keep) {
    if (keep == keepAspect_) return;
    keepAspect_ = keep;
    update();
}

}  // namespace gft::ui
