// A keystroke in the text preview's line: the key goes to the line edit,
// the line is drawn again with the font (about 100 characters at scale 4)
// and the picture is painted. Baseline in the same run: the same keystroke
// into a plain line edit beside a plain widget painting a picture of the
// same size. A frame at 60 Hz is 16.7 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <cstdlib>

#include "commands/files/file_commands.h"
#include "commands/window/text_preview.h"
#include "session/session.h"
#include "ui/preview/text_preview_window.h"

namespace {

const std::string kHundred =
    "Zażółć gęślą jaźń. The quick brown fox jumps over the lazy dog 0123456789 "
    "Pack my box with five dozen";

// Types one character, then takes it back: two keystrokes a round.
void TypeAndErase(QWidget* line) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QKeyEvent backUp(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &press);
    QCoreApplication::sendEvent(line, &release);
    QCoreApplication::sendEvent(line, &back);
    QCoreApplication::sendEvent(line, &backUp);
}

void PreviewKeystroke(benchmark::State& state) {
    gft::View silent;
    gft::Session session(silent);
    gft::LoadFontFile(session, GFT_SAMPLE_FONT);
    session.previewText = kHundred;
    session.previewScale = 4;
    gft::ui::TextPreviewWindow window(session, nullptr);
    window.ShowWindow();
    QCoreApplication::processEvents();
    window.TextLine()->setFocus();
    window.TextLine()->end(false);
    for (auto _ : state) {
        TypeAndErase(window.TextLine());
        const_cast<gft::ui::PreviewCanvas*>(window.Canvas())->repaint();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

class PlainCanvas : public QWidget {
  public:
    QImage picture;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(0, 0, picture);
    }
};

void BareKeystroke(benchmark::State& state) {
    gft::View silent;
    gft::Session session(silent);
    gft::LoadFontFile(session, GFT_SAMPLE_FONT);
    session.previewText = kHundred;
    session.previewScale = 4;
    const gft::GrayImage image = gft::PreviewPicture(session).value;
    QWidget window;
    auto* line = new QLineEdit(QString::fromStdString(kHundred), &window);
    auto* canvas = new PlainCanvas;
    canvas->setParent(&window);
    canvas->picture = QImage(image.width, image.height, QImage::Format_Grayscale8);
    canvas->picture.fill(Qt::white);
    canvas->resize(image.width, image.height);
    canvas->move(0, 30);
    window.resize(720, 160);
    window.show();
    QCoreApplication::processEvents();
    line->setFocus();
    for (auto _ : state) {
        TypeAndErase(line);
        canvas->repaint();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

}  // namespace

BENCHMARK(PreviewKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareKeystroke)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
