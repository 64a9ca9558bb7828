#include "ui/main/system_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <algorithm>

#include "format/glyph_clipboard.h"

namespace gft::ui {

namespace {

QByteArray ByteArray(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

// The picture's luminance, transparent parts laid over white; only the
// columns a glyph can hold are kept.
GrayImage GrayOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = std::min(argb.width(), 255);
    GrayImage gray(width, argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            const int luma = (299 * qRed(pixel) + 587 * qGreen(pixel) + 114 * qBlue(pixel)) / 1000;
            const int alpha = qAlpha(pixel);
            gray.Set(x, y, static_cast<std::uint8_t>((luma * alpha + 255 * (255 - alpha)) / 255));
        }
    }
    return gray;
}

}  // namespace

void PutOnSystemClipboard(const ClipboardGlyphForms& forms) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kGlyphClipboardMime), QByteArray::fromStdString(forms.own));
    data->setText(QString::fromStdString(forms.text));
    if (!forms.png.empty()) data->setData(QStringLiteral("image/png"), ByteArray(forms.png));
    QGuiApplication::clipboard()->setMimeData(data);
}

ClipboardContent ReadSystemClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr) return {};
    const QString own = QString::fromLatin1(kGlyphClipboardMime);
    if (data->hasFormat(own)) return {data->data(own).toStdString(), std::nullopt};
    QImage image;
    if (data->hasImage()) image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() && data->hasFormat(QStringLiteral("image/png")))
        image.loadFromData(data->data(QStringLiteral("image/png")), "PNG");
    if (image.isNull()) return {};
    return {std::nullopt, GrayOf(image)};
}

}  // namespace gft::ui
