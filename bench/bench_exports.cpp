// The exports of the largest font (256 glyphs 255 x 255), each run as the
// menu runs it, against writing the same bytes with the atomic save alone;
// the pixel-map import from its files against decoding the same picture.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "commands/command_table.h"
#include "commands/files/pixmap_import.h"
#include "format/bmp_codec.h"
#include "format/eight_bit_export.h"
#include "format/glyph_sheet.h"
#include "format/html_page.h"
#include "format/png_codec.h"
#include "format/selection_export.h"
#include "support/file_helpers.h"

namespace gft::bench {
namespace {

constexpr int kSide = 255;

enum Export { kBitmap, kGrid, kAtari, kEightBit, kHtml, kSelections };

struct ExportCommand {
    const char* label;
    const char* control;
    const char* file;
};
constexpr ExportCommand kExports[] = {
    {"bitmap", "mnuExportBmp", "sheet.png"},   {"grid", "mnuExportFony", "grid.bmp"},
    {"atari", "mnuExportAtari", "font.fnt"},   {"8bit", "mnuExport8bit", "font.bin"},
    {"html", "mnuHtmlGenerator", "font.html"}, {"lok", "mnuExportLok", "font.lok"},
};

Font LargestFont() {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = kSide;
    font.MaxWidth = kSide;
    std::uint32_t seed = 1;
    for (auto& glyph : font.Chars) {
        glyph.Present = true;
        glyph.Width = kSide;
        glyph.Pixels.resize(static_cast<std::size_t>(glyph.BytesPerRow() * kSide));
        for (auto& byte : glyph.Pixels) {
            seed = seed * 1664525u + 1013904223u;
            byte = static_cast<std::uint8_t>(seed >> 24);
        }
    }
    for (int code = 0; code < kGlyphCount; code += 3)
        font.Selected[code] = 1;
    return font;
}

const Font& Largest() {
    static const Font font = LargestFont();
    return font;
}

// A view whose file dialogs always answer with one path.
class AnsweringView : public View {
  public:
    std::string answer;
    std::optional<std::string> AskFileName(const FileDialogRequest&) override { return answer; }
};

// A session holding the largest font, its dialogs answered in a scratch folder.
struct ExportSession {
    ScratchDir dir;
    AnsweringView view;
    Session session{view};
    ExportSession() {
        session.TempFolder = dir.Path() + "/";
        session.ProgramFolder = dir.Path();
        session.font = Largest();
    }
};

using Files = std::vector<std::pair<std::string, Bytes>>;

// The bytes each export writes, made by the file formats directly.
Files ExportFiles(const Font& font, int which) {
    Files files;
    switch (which) {
        case kBitmap:
            files.emplace_back("sheet.png", EncodePng(DrawGlyphSheet(font)).value);
            files.emplace_back("sheet.widths", BytesOf(WidthTable(font)));
            break;
        case kGrid:
            files.emplace_back("grid.bmp", EncodeBmp1Bit(DrawGlyphSheet(font)).value);
            break;
        case kAtari:
            files.emplace_back("font.fnt", ExportAtariFont(font).bytes);
            break;
        case kEightBit:
            files.emplace_back("font.bin", ExportEightBitFont(font).bytes);
            break;
        case kHtml:
            files.emplace_back("font.html", BytesOf(HtmlSpecimen(font, "largest.fnt")));
            break;
        default:
            files.emplace_back("font.lok", SelectionTableBytes(font));
    }
    return files;
}

std::size_t TotalSize(const Files& files) {
    std::size_t total = 0;
    for (const auto& file : files)
        total += file.second.size();
    return total;
}

void BM_Export(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ExportSession run;
    run.view.answer = run.dir.File(kExports[which].file);
    for (auto _ : state) {
        RunCommand(run.session, kExports[which].control);
        if (run.session.LogLines().back().rfind("Exported ", 0) != 0)
            state.SkipWithError(run.session.LogLines().back().c_str());
        run.session.ClearLog();
    }
    state.SetLabel(kExports[which].label);
}
BENCHMARK(BM_Export)->DenseRange(kBitmap, kSelections)->Unit(benchmark::kMillisecond);

void BM_AtomicWrite(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    const auto files = ExportFiles(Largest(), which);
    for (auto _ : state)
        for (const auto& [name, bytes] : files)
            WriteByteArray(dir.File(name), bytes);
    state.SetLabel(kExports[which].label);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(files)));
}
BENCHMARK(BM_AtomicWrite)->DenseRange(kBitmap, kSelections)->Unit(benchmark::kMillisecond);

// The pixel-map import from its two files into a session, as the menu runs it.
void BM_ImportPixmap(benchmark::State& state) {
    ExportSession run;
    run.view.answer = run.dir.File("sheet.png");
    RunCommand(run.session, "mnuExportBmp");
    for (auto _ : state) {
        if (!ImportPixmapFile(run.session, run.view.answer))
            state.SkipWithError(run.session.LogLines().back().c_str());
        run.session.ClearLog();
    }
}
BENCHMARK(BM_ImportPixmap)->Unit(benchmark::kMillisecond);

void BM_DecodePng(benchmark::State& state) {
    const Bytes png = EncodePng(DrawGlyphSheet(Largest())).value;
    for (auto _ : state) {
        const auto image = DecodePng(png);
        benchmark::DoNotOptimize(image.value.pixels.data());
    }
}
BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gft::bench

int main(int argc, char** argv) {
    std::vector<gft::bench::Ratio> ratios;
    for (int which = 0; which <= gft::bench::kSelections; ++which) {
        const std::string n = std::to_string(which);
        ratios.push_back({"BM_Export/" + n, "BM_AtomicWrite/" + n, 2, 0});
    }
    ratios.push_back({"BM_ImportPixmap", "BM_DecodePng", 2, 0});
    return gft::bench::RunWithRatios(argc, argv, ratios);
}
