// Reading and writing the largest fonts the writer accepts, against reading
// and writing the same bytes with bare POSIX calls in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "bench_support.h"
#include "commands/files/read_font.h"
#include "commands/files/save_font.h"
#include "format/fnt_format.h"
#include "format/fnt_writer.h"
#include "format/tile_bitmap.h"

namespace gft::bench {
namespace {

constexpr int kHeight = 255;

// Pseudo-random glyph bytes, so that no two glyphs are alike.
Bytes Noise(std::size_t size, std::uint32_t seed) {
    Bytes bytes(size);
    for (auto& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(seed >> 24);
    }
    return bytes;
}

void SetGlyph(Font& font, int code, int width, Bytes pixels) {
    CharInfo& glyph = font.Chars[code];
    glyph.Present = true;
    glyph.Width = static_cast<std::uint8_t>(width);
    glyph.Pixels = std::move(pixels);
}

Font EmptyFont() {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = kHeight;
    for (auto& glyph : font.Chars)
        MakeAbsent(glyph, kHeight);
    return font;
}

// Height 255 with glyphs as wide as they come: two of width 255 (8160 bytes
// each) and 32 of widths 9..16 (510 bytes each): a data block of 32641 bytes,
// the writer's limit being 32767 and every glyph a multiple of 255 bytes.
Font LargestFont() {
    Font font = EmptyFont();
    SetGlyph(font, 'M', 255, Noise(32 * kHeight, 1));
    SetGlyph(font, 'W', 255, Noise(32 * kHeight, 2));
    for (int k = 0; k < 32; ++k)
        SetGlyph(font, 'a' + k % 26 + (k >= 26 ? 100 : 0), 9 + k % 8, Noise(2 * kHeight, 10 + k));
    font.MaxWidth = 255;
    return font;
}

// 128 glyphs of width 8 cut from 8 bitmaps: 32641 bytes stored plainly, 2041
// with duplicates stored once.
Font DuplicatesFont() {
    Font font = EmptyFont();
    for (int code = 0; code < 128; ++code)
        SetGlyph(font, code + 64, 8, Noise(kHeight, static_cast<std::uint32_t>(code % 8)));
    font.MaxWidth = 8;
    return font;
}

const Font& FontNamed(int which) {
    static const Font largest = LargestFont();
    static const Font duplicates = DuplicatesFont();
    return which == 0 ? largest : duplicates;
}

void Label(benchmark::State& state, int which, std::size_t bytes) {
    state.SetLabel(which == 0 ? "largest" : "duplicates");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// ReadFntFile in load mode, the tile files of the last load still in place
// (warm) or forgotten so that all 256 are written again (cold).
void BM_Load(benchmark::State& state, bool coldTiles) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    QuietSession quiet(dir);
    const Bytes image = BuildFntImage(FontNamed(which), false);
    const std::string path = dir.File("font.fnt");
    BareWrite(path, image);
    for (auto _ : state) {
        if (coldTiles) quiet.session.tileCache.Forget();
        const ReadOutcome outcome = ReadFntFile(quiet.session, path, kModeLoad);
        benchmark::DoNotOptimize(outcome);
        quiet.TrimLog();
    }
    Label(state, which, image.size());
}
BENCHMARK_CAPTURE(BM_Load, warm_tiles, false)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(BM_Load, cold_tiles, true)->Arg(0)->Arg(1);

void BM_BareRead(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    const Bytes image = BuildFntImage(FontNamed(which), false);
    const std::string path = dir.File("font.fnt");
    BareWrite(path, image);
    Bytes buffer(image.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(BareRead(path, buffer));
    Label(state, which, image.size());
}
BENCHMARK(BM_BareRead)->Arg(0)->Arg(1);

// The file I/O of a load with cold tiles and nothing else: the bare read of
// the font and the 256 tile files it makes, their bytes built before the
// clock runs, overwritten in place as the preview writes them.
void BM_BareLoadIO(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    const Bytes image = BuildFntImage(FontNamed(which), false);
    const std::string path = dir.File("font.fnt");
    BareWrite(path, image);
    std::vector<std::pair<std::string, Bytes>> tiles;
    for (int code = 0; code < 256; ++code)
        tiles.emplace_back(dir.File(TileFileName(code)),
                           BuildTileBitmap(FontNamed(which), code, {}));
    Bytes buffer(image.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(BareRead(path, buffer));
        for (const auto& [tile, bytes] : tiles)
            BareOverwrite(tile, bytes);
    }
    Label(state, which, image.size());
}
BENCHMARK(BM_BareLoadIO)->Arg(0)->Arg(1);

// The file image in memory; Arg 1: duplicates stored once.
void BM_BuildFntImage(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const bool share = state.range(1) != 0;
    std::size_t size = 0;
    for (auto _ : state) {
        const Bytes image = BuildFntImage(FontNamed(which), share);
        size = image.size();
        benchmark::DoNotOptimize(image.data());
    }
    Label(state, which, size);
}
BENCHMARK(BM_BuildFntImage)->ArgsProduct({{0, 1}, {0, 1}});

// The whole save: image, atomic replacement of the file, selection table.
void BM_SaveFontAs(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    QuietSession quiet(dir);
    quiet.session.font = FontNamed(which);
    quiet.session.options[Toggle::Compress] = state.range(1) != 0;
    const std::string path = dir.File("saved.fnt");
    for (auto _ : state) {
        if (!SaveFontTo(quiet.session, path)) state.SkipWithError("save failed");
        quiet.TrimLog();
    }
    Label(state, which, BuildFntImage(quiet.session.font, state.range(1) != 0).size());
}
BENCHMARK(BM_SaveFontAs)->ArgsProduct({{0, 1}, {0, 1}});

void BM_BareWrite(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const bool synced = state.range(1) != 0;
    ScratchDir dir;
    const Bytes image = BuildFntImage(FontNamed(which), false);
    const std::string path = dir.File("bare.fnt");
    for (auto _ : state)
        synced ? BareWriteSynced(path, image) : BareWrite(path, image);
    Label(state, which, image.size());
}
BENCHMARK(BM_BareWrite)->ArgsProduct({{0, 1}, {0, 1}});

void CheckFonts() {
    for (int which = 0; which < 2; ++which) {
        const std::size_t block = BuildFntImage(FontNamed(which), false).size() - 796;
        if (block > fnt::kMaxWrittenBlock) {
            std::fprintf(stderr, "bench font %d does not fit the writer: %zu\n", which, block);
            std::exit(1);
        }
    }
}

}  // namespace
}  // namespace gft::bench

int main(int argc, char** argv) {
    using gft::bench::Ratio;
    gft::bench::CheckFonts();
    const double ms = 1e-3;
    return gft::bench::RunWithRatios(argc, argv,
                                     {
                                         {"BM_Load/warm_tiles/0", "BM_BareRead/0", 0, ms},
                                         {"BM_Load/cold_tiles/0", "BM_BareRead/0", 0, ms},
                                         {"BM_Load/cold_tiles/0", "BM_BareLoadIO/0", 0, 0},
                                         {"BM_Load/warm_tiles/1", "BM_BareRead/1", 0, ms},
                                         {"BM_SaveFontAs/0/0", "BM_BareWrite/0/0", 0, ms},
                                         {"BM_SaveFontAs/0/0", "BM_BareWrite/0/1", 0, ms},
                                         {"BM_SaveFontAs/0/1", "BM_BareWrite/0/1", 0, ms},
                                         {"BM_SaveFontAs/1/0", "BM_BareWrite/1/1", 0, ms},
                                         {"BM_SaveFontAs/1/1", "BM_BareWrite/1/1", 0, ms},
                                         {"BM_BuildFntImage/0/1", "BM_BuildFntImage/0/0", 0, 0},
                                         {"BM_BuildFntImage/1/1", "BM_BuildFntImage/1/0", 0, 0},
                                     });
}
