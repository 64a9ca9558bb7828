#pragma once

#include <QImage>
#include <QWidget>

class QLineEdit;
class QSpinBox;

namespace gft {
class Session;
}

namespace gft::ui {

// The drawn line of text, black on white, pixel for pixel.
class PreviewCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewCanvas(QWidget* parent = nullptr);
    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

// View > "Text preview": a line of text drawn with the font at a scale of
// 1..8. It draws itself again whenever the font changes; the text and the
// scale live in the session (and so in Settings.ini).
class TextPreviewWindow : public QWidget {
    Q_OBJECT

  public:
    TextPreviewWindow(Session& session, QWidget* parent);
    static QSize DefaultSize();

    void ShowWindow();
    // The font changed: redraw when shown (at once while hidden is not needed).
    void FontChanged();
    // Draws the picture from the session now.
    void Redraw();

    QLineEdit* TextLine() const { return text_; }
    QSpinBox* ScaleBox() const { return scale_; }
    const PreviewCanvas* Canvas() const { return canvas_; }

  private:
    Session& session_;
    QLineEdit* text_;
    QSpinBox* scale_;
    PreviewCanvas* canvas_;
};

}  // namespace gft::ui
