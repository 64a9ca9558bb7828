// The TrueType export of the largest fonts the FNT writer saves (a data
// block just under its 32767-byte limit), run as its menu item runs it
// (dialogs answered, outlines traced, tables written, atomic write, log
// line), against writing the same bytes with the atomic save alone: a font
// of letter shapes (the sample font drawn 2 x 2.8 times its size, 56 rows)
// and a font of noise of the same widths and height, the worst case for the
// outlines. The export without its write is timed too.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "commands/command_table.h"
#include "format/fnt_reader.h"
#include "format/glyph_analysis.h"
#include "format/glyph_rows.h"
#include "format/truetype_export.h"
#include "support/file_helpers.h"

namespace gft::bench {
namespace {

constexpr int kHeight = 56;
constexpr int kWidthScale = 2;

// The sample font's glyphs, every pixel column doubled and the rows
// stretched to kHeight; with `noise`, random bits in the same cells instead.
Font LargestFont(bool noise) {
    const Font small = ParseFnt(ReadFileBytes(GFT_SAMPLE_FNT, 1 << 20, "bench")).font;
    Font font;
    font.FontLoaded = true;
    font.FontHeight = kHeight;
    std::uint32_t seed = 7;
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& from = small.Chars[code];
        CharInfo& glyph = font.Chars[code];
        MakeAbsent(glyph, kHeight);
        if (!from.Present) continue;
        glyph.Present = true;
        glyph.Width = static_cast<std::uint8_t>(from.Width * kWidthScale);
        glyph.Pixels.assign(static_cast<std::size_t>(glyph.BytesPerRow() * kHeight), 0);
        for (int row = 0; row < kHeight; ++row)
            for (int col = 0; col < glyph.Width; ++col) {
                seed = seed * 1664525u + 1013904223u;
                const bool ink =
                    noise ? seed >> 31
                          : PixelAt(from, row * small.FontHeight / kHeight, col / kWidthScale);
                SetPixel(glyph, row, col, ink);
            }
    }
    font.MaxWidth = WidestGlyph(font);
    return font;
}

const Font& FontNamed(int which) {
    static const Font letters = LargestFont(false);
    static const Font noise = LargestFont(true);
    return which == 0 ? letters : noise;
}

TrueTypeOptions OptionsOf(const Font& font) {
    return {EstimateBaseline(font), CodePage::Windows1250, "font"};
}

// Answers the file dialog with one path and the export's questions as suggested.
class AnsweringView : public View {
  public:
    std::string answer;
    std::optional<std::string> AskFileName(const FileDialogRequest&) override { return answer; }
    std::optional<TrueTypeOptions> AskTrueType(const TrueTypeOptions& suggested, int) override {
        return suggested;
    }
};

void Label(benchmark::State& state, int which, std::size_t bytes) {
    state.SetLabel(which == 0 ? "letters" : "noise");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_ExportTrueType(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    AnsweringView view;
    Session session(view);
    session.TempFolder = dir.Path() + "/";
    session.font = FontNamed(which);
    view.answer = dir.File("font.ttf");
    for (auto _ : state) {
        RunCommand(session, "mnuExportTtf");
        if (session.LogLines().back().rfind("Exported ", 0) != 0)
            state.SkipWithError(session.LogLines().back().c_str());
        session.ClearLog();
    }
    Label(state, which, ExportTrueType(session.font, OptionsOf(session.font)).bytes.size());
}
BENCHMARK(BM_ExportTrueType)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_AtomicWrite(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    const Font& font = FontNamed(which);
    const Bytes bytes = ExportTrueType(font, OptionsOf(font)).bytes;
    for (auto _ : state)
        WriteByteArray(dir.File("font.ttf"), bytes);
    Label(state, which, bytes.size());
}
BENCHMARK(BM_AtomicWrite)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The outlines and tables alone, in memory.
void BM_TrueTypeBytes(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const Font& font = FontNamed(which);
    std::size_t size = 0;
    for (auto _ : state) {
        const TrueTypeExport exported = ExportTrueType(font, OptionsOf(font));
        size = exported.bytes.size();
        benchmark::DoNotOptimize(exported.bytes.data());
    }
    Label(state, which, size);
}
BENCHMARK(BM_TrueTypeBytes)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gft::bench

int main(int argc, char** argv) {
    std::vector<gft::bench::Ratio> ratios;
    for (const char* which : {"/0", "/1"})
        ratios.push_back({std::string("BM_ExportTrueType") + which,
                          std::string("BM_AtomicWrite") + which, 2, 0});
    return gft::bench::RunWithRatios(argc, argv, ratios);
}
