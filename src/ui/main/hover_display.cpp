#include "ui/main/hover_display.h"

#include <QMouseEvent>

#include "ui/main/tile_grid.h"

namespace gft::ui {

namespace {

constexpr int kLeft = 8;
constexpr int kGap = 4;
constexpr int kTile = 24;

ImageBox* MakeImage(const QString& name, QWidget* parent) {
    auto* box = new ImageBox(parent);
    box->setObjectName(name);
    box->resize(kTile, kTile);
    return box;
}

}  // namespace

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DoubleClicked();
    event->accept();
}

QString PlainCaption(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

QFont ToQFont(const BaseFont& font) {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setStyleHint(QFont::TypeWriter);
    if (font.size > 0) qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    return qfont;
}

HoverDisplay::HoverDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("hoverDisplay"));
    hoverLabel_ = new ClickLabel(this);
    hoverLabel_->setObjectName(QStringLiteral("lblCharNo_1"));
    hoverLabel_->setTextFormat(Qt::PlainText);
    pickUpLabel_ = new QLabel(this);
    pickUpLabel_->setObjectName(QStringLiteral("lblCharNo_0"));
    pickUpLabel_->setTextFormat(Qt::PlainText);
    pickUpImage_ = MakeImage(QStringLiteral("imgChar_1290"), this);
    zoom_ = MakeImage(QStringLiteral("imgChar_1280"), this);
    zoom_->resize(8 * kZoom, 8 * kZoom);
    // The hidden templates: the blank picture and the plain grey one.
    MakeImage(QStringLiteral("imgChar_1300"), this)->hide();
    ImageBox* grey = MakeImage(QStringLiteral("imgChar_1310"), this);
    grey->SetImage(BlankTileImage());
    grey->hide();
    connect(hoverLabel_, &ClickLabel::DoubleClicked, this, &HoverDisplay::LabelDoubleClicked);
    Arrange();
}

void HoverDisplay::ShowHover(const QString& label, const QImage& tile, int zoomWidth,
                             int zoomHeight) {
    TakeBaseFont();
    hoverLabel_->setText(PlainCaption(label));
    if (zoomWidth > 0 && zoomHeight > 0) {
        zoom_->SetImage(tile);
        zoom_->resize(zoomWidth * kZoom, zoomHeight * kZoom);
    }
    Arrange();
}

void HoverDisplay::ShowPickUp(const QString& label, const QImage& tile) {
    pickUpLabel_->setText(label);
    pickUpImage_->SetImage(tile);
    Arrange();
}

void HoverDisplay::SetFrames(bool on) {
    pickUpImage_->SetFramed(on);
}

void HoverDisplay::SetBaseFont(const BaseFont& font) {
    baseFont_ = font;
    if (fontTaken_) {
        hoverLabel_->setFont(ToQFont(baseFont_));
        Arrange();
    }
}

// The base font is often a name the system lacks, and finding the face that
// stands in for it takes the start-up milliseconds: the label, empty until
// the mouse first moves over a tile, takes it after the window's first paint.
void HoverDisplay::TakeBaseFont() {
    if (fontTaken_) return;
    fontTaken_ = true;
    SetBaseFont(baseFont_);
}

QSize HoverDisplay::sizeHint() const {
    return {kLeft + kTile + kGap + zoom_->width(), zoom_->y() + zoom_->height() + kGap};
}

// The hover label on the top row with the picked-up glyph's code at its
// right; below them the picked-up glyph and the zoom side by side.
void HoverDisplay::Arrange() {
    hoverLabel_->adjustSize();
    pickUpLabel_->adjustSize();
    hoverLabel_->move(kLeft, kGap);
    pickUpLabel_->move(
        std::max(hoverLabel_->geometry().right() + kGap, width() - pickUpLabel_->width() - kGap),
        kGap);
    const int labelHeight = std::max(hoverLabel_->height(), hoverLabel_->fontMetrics().height());
    const int imagesTop = kGap + labelHeight + kGap;
    pickUpImage_->move(kLeft, imagesTop);
    zoom_->move(kLeft + kTile + kGap, imagesTop);
    updateGeometry();
}

void HoverDisplay::resizeEvent(QResizeEvent*) {
    Arrange();
}

}  // namespace gft::ui
