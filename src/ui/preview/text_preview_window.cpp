#include "ui/preview/text_preview_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "commands/window/text_preview.h"
#include "session/session.h"

namespace gft::ui {

namespace {

QImage ToQImage(const GrayImage& image) {
    if (image.width <= 0 || image.height <= 0) return {};
    QImage picture(image.width, image.height, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height; ++y)
        std::copy_n(image.pixels.data() + static_cast<std::size_t>(y) * image.width, image.width,
                    picture.scanLine(y));
    return picture;
}

}  // namespace

PreviewCanvas::PreviewCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewCanvas::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    const QSize size = picture_.isNull() ? QSize(1, 1) : picture_.size();
    if (minimumSize() != size) setMinimumSize(size);
    update();
}

QSize PreviewCanvas::sizeHint() const {
    return picture_.isNull() ? QSize(1, 1) : picture_.size();
}

void PreviewCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

TextPreviewWindow::TextPreviewWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("frmTextPreview"));
    setWindowTitle(QStringLiteral("Text preview"));
    text_ = new QLineEdit(QString::fromStdString(session.previewText));
    text_->setObjectName(QStringLiteral("txtPreview"));
    scale_ = new QSpinBox;
    scale_->setObjectName(QStringLiteral("spnScale"));
    scale_->setRange(kMinTextScale, kMaxTextScale);
    scale_->setValue(session.previewScale);
    canvas_ = new PreviewCanvas;
    auto* scroll = new QScrollArea;
    scroll->setWidget(canvas_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);

    auto* row = new QHBoxLayout;
    row->addWidget(text_, 1);
    row->addWidget(new QLabel(QStringLiteral("Scale:")));
    row->addWidget(scale_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(scroll, 1);

    connect(text_, &QLineEdit::textEdited, this, [this](const QString& text) {
        SetPreviewText(session_, text.toStdString());
        Redraw();
    });
    connect(scale_, &QSpinBox::valueChanged, this, [this](int scale) {
        SetPreviewScale(session_, scale);
        Redraw();
    });
}

QSize TextPreviewWindow::DefaultSize() {
    return {720, 160};
}

void TextPreviewWindow::ShowWindow() {
    text_->setText(QString::fromStdString(session_.previewText));
    scale_->setValue(session_.previewScale);
    Redraw();
    show();
    raise();
    activateWindow();
}

void TextPreviewWindow::FontChanged() {
    if (isVisible()) Redraw();
}

void TextPreviewWindow::Redraw() {
    canvas_->SetPicture(ToQImage(PreviewPicture(session_).value));
}

}  // namespace gft::ui
