// The main window's share of redrawing the grid, measured beside the core's
// preview generation in the same run (Qt offscreen):
//   CorePreview256      the core writes the 256 tile bitmaps (no window)
//   WindowLoadPaint256  the window loads the 256 files and repaints the grid
//   WindowLoadOnly256, WindowPaintOnly256: its two halves
//   FullRedraw256       both, as a Refresh does it (the window takes the
//                       bitmaps from memory and reads no file back)
//   SingleGlyphRefresh  one glyph: write, load, repaint tile and zoom
// and the baselines of the last two, done the barest way in the same run:
//   BareOverwritePaint256  the 256 tile files overwritten with bare POSIX
//                       calls, the same images (decoded before the clock
//                       runs) painted into one plain widget of the grid's size
//   BareRedraw256       the same, each file also read back
//   BareSingleGlyph     one file so, its image painted into a plain widget of
//                       the tile's size and, zoomed, into one of the zoom's
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "commands/files/file_commands.h"
#include "commands/glyphs/hover.h"
#include "format/tile_bitmap.h"
#include "session/preview.h"
#include "ui/main/hover_display.h"
#include "ui/main/main_window.h"
#include "ui/main/tile_grid.h"

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

// The window's working and settings folders go into a private folder, made
// and removed by main.
std::string& PrivateFolder() {
    static std::string folder;
    return folder;
}

std::unique_ptr<MainWindow>& WindowHolder() {
    static std::unique_ptr<MainWindow> window;
    return window;
}

MainWindow& Window() {
    std::unique_ptr<MainWindow>& window = WindowHolder();
    if (!window) {
        gft::StartupEnvironment environment = gft::ProcessEnvironment(".", {GFT_SAMPLE_FONT});
        environment.getenv = [](const std::string& name) {
            return name == "TMP" || name == "HOME" ? PrivateFolder() : std::string();
        };
        window = std::make_unique<MainWindow>(std::make_unique<NoDialogs>(), environment);
        window->show();
        // Until the first paint has written the tile files and ended the
        // deferral: from then on every redraw writes its files at once.
        QElapsedTimer waited;
        waited.start();
        while (window->session().tileCache.WritesDeferred() && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return *window;
}

// Keeps the log from growing through thousands of "Preview generated" lines.
void TrimLog(benchmark::State& state, MainWindow& window) {
    if (window.parts().log->count() < 2000) return;
    state.PauseTiming();
    window.parts().log->clear();
    state.ResumeTiming();
}

void CorePreview256(benchmark::State& state) {
    gft::View silent;
    gft::Session session(silent);
    session.TempFolder = Window().session().TempFolder;
    gft::LoadFontFile(session, GFT_SAMPLE_FONT);
    for (auto _ : state) {
        session.tileCache.Forget();
        gft::GeneratePreview(session, 0, 255);
        if (session.LogLines().size() > 2000) session.ClearLog();
    }
}

void WindowLoadPaint256(benchmark::State& state) {
    MainWindow& window = Window();
    gft::Session& session = window.session();
    for (auto _ : state) {
        session.view.LoadTiles(0, 255, session.TempFolder);
        window.parts().grid->repaint();
    }
}

void WindowLoadOnly256(benchmark::State& state) {
    gft::Session& session = Window().session();
    for (auto _ : state)
        session.view.LoadTiles(0, 255, session.TempFolder);
}

void WindowPaintOnly256(benchmark::State& state) {
    MainWindow& window = Window();
    for (auto _ : state)
        window.parts().grid->repaint();
}

void FullRedraw256(benchmark::State& state) {
    MainWindow& window = Window();
    gft::Session& session = window.session();
    for (auto _ : state) {
        session.tileCache.Forget();
        gft::RedrawTiles(session, 0, 255);
        window.parts().grid->repaint();
        TrimLog(state, window);
    }
}

void SingleGlyphRefresh(benchmark::State& state) {
    MainWindow& window = Window();
    gft::Session& session = window.session();
    for (auto _ : state) {
        session.tileCache.ForgetCode(65);
        gft::RedrawGlyph(session, 65);
        window.parts().grid->repaint(window.parts().grid->TileRect(65));
        window.parts().hover->repaint();
        TrimLog(state, window);
    }
}

// A plain widget that paints the images it holds into their rectangles.
class Canvas : public QWidget {
  public:
    using QWidget::QWidget;
    std::vector<std::pair<QRect, QImage>> items;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (const auto& [rect, image] : items)
            painter.drawImage(rect, image);
    }
};

// The tile files of the window's folder: their bytes, their images and
// where the grid shows them; the copies are written into a folder of their own.
struct BareTiles {
    std::string folder = PrivateFolder() + "/bare";
    std::vector<std::string> paths;
    std::vector<gft::Bytes> bytes;
    QWidget top;
    Canvas* grid = new Canvas(&top);
    Canvas* tile = new Canvas(&top);
    Canvas* zoom = new Canvas(&top);

    BareTiles() {
        MainWindow& window = Window();
        const std::string& source = window.session().TempFolder;
        std::filesystem::create_directories(folder);
        const auto& parts = window.parts();
        top.resize(window.size());
        grid->setGeometry(parts.grid->geometry());
        tile->setGeometry(QRect(QPoint(0, 0), parts.grid->TileRect(65).size()));
        zoom->setGeometry(QRect(parts.grid->geometry().topRight(), parts.hover->size()));
        for (int code = 0; code < 256; ++code) {
            const std::string name = gft::TileFileName(code);
            const QImage image = gft::ui::ReadBitmapFile(QString::fromStdString(source + name));
            gft::Bytes content(std::filesystem::file_size(source + name));
            gft::bench::BareRead(source + name, content);
            paths.push_back(folder + "/" + name);
            bytes.push_back(std::move(content));
            grid->items.emplace_back(parts.grid->TileRect(code), image);
            if (code == 65) {
                tile->items.emplace_back(tile->rect(), image);
                const QSize zoomed = image.size() * gft::ui::HoverDisplay::kZoom;
                zoom->items.emplace_back(QRect(QPoint(0, 0), zoomed), image);
            }
        }
        top.show();
        QCoreApplication::processEvents();
    }
    // Overwrites the file of code and reads it back.
    void WriteRead(std::size_t code, gft::Bytes& buffer) {
        gft::bench::BareOverwrite(paths[code], bytes[code]);
        buffer.resize(bytes[code].size());
        benchmark::DoNotOptimize(gft::bench::BareRead(paths[code], buffer));
    }
};

void BareOverwritePaint256(benchmark::State& state) {
    BareTiles bare;
    for (auto _ : state) {
        for (std::size_t code = 0; code < 256; ++code)
            gft::bench::BareOverwrite(bare.paths[code], bare.bytes[code]);
        bare.grid->repaint();
    }
}

void BareRedraw256(benchmark::State& state) {
    BareTiles bare;
    gft::Bytes buffer;
    for (auto _ : state) {
        for (std::size_t code = 0; code < 256; ++code)
            bare.WriteRead(code, buffer);
        bare.grid->repaint();
    }
}

void BareSingleGlyph(benchmark::State& state) {
    BareTiles bare;
    gft::Bytes buffer;
    for (auto _ : state) {
        bare.WriteRead(65, buffer);
        bare.tile->repaint();
        bare.zoom->repaint();
    }
}

}  // namespace

BENCHMARK(CorePreview256)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowLoadPaint256)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowLoadOnly256)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowPaintOnly256)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRedraw256)->Unit(benchmark::kMillisecond);
BENCHMARK(SingleGlyphRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareOverwritePaint256)->Unit(benchmark::kMillisecond);
BENCHMARK(BareRedraw256)->Unit(benchmark::kMillisecond);
BENCHMARK(BareSingleGlyph)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const gft::bench::ScratchDir folder;  // under TMPDIR, like the other benchmarks
    PrivateFolder() = folder.Path();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    WindowHolder().reset();
    return 0;
}
