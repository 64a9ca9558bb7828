// The character editor window on the tallest and widest glyph (height 255,
// width 255: a grid of 256 x 255 cells, 4097 x 4085 pixels, seen through a
// 512 x 267 frame), Qt offscreen. Each case runs the core command and lets
// the window paint; the counter painted_px is the area painted per
// iteration, measured on the grid's paint events.
//   OpenTallGlyph   the editor opens on the glyph (caption, grid, scroll bars)
//   DrawTable       "&Inverse": every pixel changes, the whole grid repaints
//   PixelEdit       a press on one cell: that cell alone repaints
//   GridRenderAll   the whole grid painted off screen, frame or not: what a
//                   redraw would cost if the frame did not clip it
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <cstdlib>
#include <memory>

#include "app/startup.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/fill_commands.h"
#include "commands/editor/pixel_edit.h"
#include "commands/files/file_commands.h"
#include "commands/window/option_commands.h"
#include "ui/editor/cell_grid.h"
#include "ui/editor/char_editor_window.h"
#include "ui/main/main_window.h"

namespace {

using gft::ui::MainWindow;

class NoDialogs : public gft::ui::Dialogs {
  public:
    std::optional<std::string> AskFileName(const gft::FileDialogRequest&) override { return {}; }
    void Message(const QString&, const QString&) override {}
    std::optional<gft::BaseFont> AskFont(const gft::BaseFont&, const QString&) override {
        return {};
    }
};

// Adds up the area of the grid's paint events.
class PaintMeter : public QObject {
  public:
    long long area = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
                area += static_cast<long long>(rect.width()) * rect.height();
        return false;
    }
};

constexpr int kTall = 255;

struct Fixture {
    std::unique_ptr<MainWindow> window;
    gft::ui::CharEditorWindow* editor = nullptr;
    PaintMeter meter;

    Fixture() {
        window = std::make_unique<MainWindow>(std::make_unique<NoDialogs>(),
                                              gft::ProcessEnvironment(".", {}));
        window->show();
        gft::Session& session = window->session();
        gft::NewFont(session, kTall);
        gft::CharInfo& glyph = session.font.Chars[65];
        glyph.Present = true;
        glyph.Width = 255;
        glyph.Pixels.assign(static_cast<std::size_t>(32 * kTall), 0x5A);
        session.EditorChar = 65;
        editor = &window->CharEditor();
        editor->Grid()->installEventFilter(&meter);
        gft::OpenCharEditor(session);
        QCoreApplication::processEvents();
    }
};

void Report(benchmark::State& state, const PaintMeter& meter, long long before) {
    state.counters["painted_px"] = benchmark::Counter(static_cast<double>(meter.area - before) /
                                                      static_cast<double>(state.iterations()));
}

void OpenTallGlyph(benchmark::State& state, Fixture& f) {
    gft::Session& session = f.window->session();
    const long long before = f.meter.area;
    for (auto _ : state) {
        gft::HideCharEditor(session);
        gft::OpenCharEditor(session);
        QCoreApplication::processEvents();
    }
    Report(state, f.meter, before);
}

void DrawTable(benchmark::State& state, Fixture& f) {
    gft::Session& session = f.window->session();
    const long long before = f.meter.area;
    for (auto _ : state) {
        gft::InvertGlyph(session);
        QCoreApplication::processEvents();
    }
    Report(state, f.meter, before);
}

void PixelEdit(benchmark::State& state, Fixture& f) {
    gft::Session& session = f.window->session();
    gft::SetToggle(session, gft::Toggle::CrsrInv, true);  // each press toggles the pixel
    // A cell in the middle of the frame.
    const QPoint at = f.editor->Grid()->mapFrom(f.editor->Frame(), QPoint(256, 133));
    const long long before = f.meter.area;
    for (auto _ : state) {
        gft::PressOnGrid(session, 1, at.x(), at.y());
        QCoreApplication::processEvents();
    }
    Report(state, f.meter, before);
    gft::SetToggle(session, gft::Toggle::CrsrInv, false);
}

void GridRenderAll(benchmark::State& state, Fixture& f) {
    gft::ui::CellGrid* grid = f.editor->Grid();
    QImage image(grid->size(), QImage::Format_RGB32);
    const long long before = f.meter.area;
    for (auto _ : state)
        grid->render(&image);
    Report(state, f.meter, before);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // The window lives inside main, so it goes before the application does.
    Fixture fixture;
    const struct {
        const char* name;
        void (*run)(benchmark::State&, Fixture&);
    } cases[] = {{"OpenTallGlyph", OpenTallGlyph},
                 {"DrawTable", DrawTable},
                 {"PixelEdit", PixelEdit},
                 {"GridRenderAll", GridRenderAll}};
    for (const auto& c : cases)
        benchmark::RegisterBenchmark(c.name, [&fixture, run = c.run](benchmark::State& state) {
            run(state, fixture);
        })->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
