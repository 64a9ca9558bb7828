// The main window's share of redrawing the grid, measured beside the core's
// preview generation in the same run (Qt offscreen):
//   CorePreview256      the core writes the 256 tile bitmaps (no window)
//   WindowLoadPaint256  the window loads the 256 files and repaints the grid
//   WindowLoadOnly256, WindowPaintOnly256: its two halves
//   FullRedraw256       both, as a Refresh does it
//   SingleGlyphRefresh  one glyph: write, load, repaint tile and zoom
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/file_commands.h"
#include "main/hover_display.h"
#include "main/main_window.h"
#include "main/tile_grid.h"
#include "render/hover.h"
#include "render/preview.h"

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
        QCoreApplication::processEvents();
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
        gft::RefreshChr(session, 65);
        window.parts().grid->TileAt(65)->repaint();
        window.parts().hover->repaint();
        TrimLog(state, window);
    }
}

}  // namespace

BENCHMARK(CorePreview256)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowLoadPaint256)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowLoadOnly256)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowPaintOnly256)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRedraw256)->Unit(benchmark::kMillisecond);
BENCHMARK(SingleGlyphRefresh)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    char folder[] = "/tmp/gft-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) return 1;
    PrivateFolder() = folder;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    WindowHolder().reset();
    std::filesystem::remove_all(folder);
    return 0;
}
