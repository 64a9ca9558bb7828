// Edit > Transform on the largest font a font file can hold: all 256 glyphs
// 255 x 255 pixels, alike, so that one stored copy serves them all (for the
// scale, 85 x 85 glyphs that become 255 x 255). Each transform is timed as
// its menu item runs it (undo step, effect on every glyph, redraw of the 256
// tiles, log line), against the redraw alone of the same 256 tiles; the
// effects also alone, on the model.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "commands/glyphs/font_scale.h"
#include "commands/glyphs/transforms.h"
#include "format/fnt_format.h"
#include "format/fnt_writer.h"
#include "session/preview.h"
#include "session/undo_step.h"

namespace gft::bench {
namespace {

// Every glyph present and selected, the same random ink in each.
Font AlikeGlyphs(int size) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = static_cast<std::uint8_t>(size);
    CharInfo glyph{true, Bytes(static_cast<std::size_t>(CharInfo::BytesPerRowFor(size) * size)),
                   static_cast<std::uint8_t>(size), 0};
    std::mt19937 random(24);
    for (auto& byte : glyph.Pixels)
        byte = static_cast<std::uint8_t>(random() & random());  // a quarter inked
    font.Chars.fill(glyph);
    font.Selected.fill(1);
    font.MaxWidth = static_cast<std::uint8_t>(size);
    return font;
}

const Font& LargestFont() {
    static const Font font = AlikeGlyphs(255);
    return font;
}

const Font& ScalableFont() {
    static const Font font = AlikeGlyphs(85);
    return font;
}

struct Transform {
    const char* name;
    void (*run)(Session&);
    const Font& (*font)();
};

const Transform kTransforms[] = {
    {"Bold", [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Bold); }, LargestFont},
    {"Italic", [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Italic, 2); }, LargestFont},
    {"Outline", [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Outline); }, LargestFont},
    {"Shadow", [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Shadow); }, LargestFont},
    {"Invert", [](Session& s) { ApplyGlyphEffect(s, GlyphEffect::Invert); }, LargestFont},
    {"Scale font", [](Session& s) { ScaleFont(s, 3); }, ScalableFont},
};

// A fresh start for each round, outside the timing: the font as it was, its
// history with no step, no tile file taken for written.
void StartOver(QuietSession& quiet, const Font& font) {
    quiet.session.font = font;
    quiet.session.history.Reset(font);
    quiet.session.tileCache.Forget();
    quiet.TrimLog();
}

void BM_RedrawAlone(benchmark::State& state) {
    ScratchDir dir;
    QuietSession quiet(dir);
    StartOver(quiet, LargestFont());
    RedrawTiles(quiet.session, 0, 255);  // the 256 files made before the timing
    for (auto _ : state) {
        state.PauseTiming();
        quiet.session.tileCache.Forget();
        state.ResumeTiming();
        RedrawTiles(quiet.session, 0, 255);
    }
}
BENCHMARK(BM_RedrawAlone)->Unit(benchmark::kMillisecond);

void BM_Transform(benchmark::State& state) {
    const Transform& transform = kTransforms[state.range(0)];
    state.SetLabel(transform.name);
    if (FntDataBlockSize(transform.font(), true) > fnt::kMaxWrittenBlock)
        state.SkipWithError("the font would not fit a font file");
    ScratchDir dir;
    QuietSession quiet(dir);
    StartOver(quiet, transform.font());
    RedrawTiles(quiet.session, 0, 255);  // the 256 files made before the timing
    for (auto _ : state) {
        state.PauseTiming();
        StartOver(quiet, transform.font());
        state.ResumeTiming();
        UndoStep step(quiet.session, transform.name);
        transform.run(quiet.session);
    }
    if (!quiet.session.history.CanUndo()) state.SkipWithError("nothing changed");
    if (FntDataBlockSize(quiet.session.font, true) > fnt::kMaxWrittenBlock)
        state.SkipWithError("the result would not fit a font file");
}
BENCHMARK(BM_Transform)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The effects alone, on the font's glyphs: no undo step, no redraw.
void BM_EffectAlone(benchmark::State& state) {
    const auto effect = static_cast<GlyphEffect>(state.range(0));
    state.SetLabel(kTransforms[state.range(0)].name);
    Font font = LargestFont();
    for (auto _ : state) {
        state.PauseTiming();
        font = LargestFont();
        state.ResumeTiming();
        for (CharInfo& glyph : font.Chars)
            benchmark::DoNotOptimize(ApplyEffect(glyph, font.FontHeight, effect, 2));
    }
}
BENCHMARK(BM_EffectAlone)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gft::bench

int main(int argc, char** argv) {
    std::vector<gft::bench::Ratio> ratios;
    for (int k = 0; k <= 5; ++k)
        ratios.push_back({"BM_Transform/" + std::to_string(k), "BM_RedrawAlone", 1.3});
    for (int k = 0; k <= 4; ++k)
        ratios.push_back({"BM_EffectAlone/" + std::to_string(k), "BM_RedrawAlone"});
    return gft::bench::RunWithRatios(argc, argv, ratios);
}
