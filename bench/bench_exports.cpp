// The exports of the largest font (256 glyphs 255 x 255) against writing the
// same bytes with the atomic save alone, and the pixel-map import against
// decoding the same picture, in the same run.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "format/bmp_codec.h"
#include "format/eight_bit_export.h"
#include "format/glyph_sheet.h"
#include "format/image_file.h"
#include "format/png_codec.h"
#include "support/file_helpers.h"

namespace gft::bench {
namespace {

constexpr int kSide = 255;

enum Export { kBitmap, kGrid, kAtari, kEightBit };

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
    return font;
}

const Font& Largest() {
    static const Font font = LargestFont();
    return font;
}

using Files = std::vector<std::pair<std::string, Bytes>>;

// The files an export writes, each as (name, bytes), moved into place.
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
        default:
            files.emplace_back("font.bin", ExportEightBitFont(font).bytes);
    }
    return files;
}

const char* ExportName(int which) {
    static const char* const kNames[] = {"bitmap", "grid", "atari", "8bit"};
    return kNames[which];
}

std::size_t TotalSize(const Files& files) {
    std::size_t total = 0;
    for (const auto& file : files)
        total += file.second.size();
    return total;
}

void BM_Export(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    std::size_t size = 0;
    for (auto _ : state) {
        const auto files = ExportFiles(Largest(), which);
        for (const auto& [name, bytes] : files)
            WriteByteArray(dir.File(name), bytes);
        size = TotalSize(files);
    }
    state.SetLabel(ExportName(which));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_Export)->DenseRange(kBitmap, kEightBit)->Unit(benchmark::kMillisecond);

void BM_AtomicWrite(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    ScratchDir dir;
    const auto files = ExportFiles(Largest(), which);
    for (auto _ : state)
        for (const auto& [name, bytes] : files)
            WriteByteArray(dir.File(name), bytes);
    state.SetLabel(ExportName(which));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(files)));
}
BENCHMARK(BM_AtomicWrite)->DenseRange(kBitmap, kEightBit)->Unit(benchmark::kMillisecond);

struct SheetFiles {
    Bytes png;
    std::string widths;
};

const SheetFiles& Sheet() {
    static const SheetFiles files{EncodePng(DrawGlyphSheet(Largest())).value,
                                  WidthTable(Largest())};
    return files;
}

void BM_ImportPixmap(benchmark::State& state) {
    for (auto _ : state) {
        const auto image = DecodeImage(Sheet().png);
        const SheetImport read = ReadGlyphSheet(image.value, Sheet().widths);
        if (!read.ok()) state.SkipWithError(read.error.c_str());
        benchmark::DoNotOptimize(read.chars.data());
    }
}
BENCHMARK(BM_ImportPixmap)->Unit(benchmark::kMillisecond);

void BM_DecodePng(benchmark::State& state) {
    for (auto _ : state) {
        const auto image = DecodePng(Sheet().png);
        benchmark::DoNotOptimize(image.value.pixels.data());
    }
}
BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gft::bench

int main(int argc, char** argv) {
    return gft::bench::RunWithRatios(argc, argv,
                                     {
                                         {"BM_Export/0", "BM_AtomicWrite/0", 2, 0},
                                         {"BM_Export/1", "BM_AtomicWrite/1", 2, 0},
                                         {"BM_Export/2", "BM_AtomicWrite/2", 2, 0},
                                         {"BM_Export/3", "BM_AtomicWrite/3", 2, 0},
                                         {"BM_ImportPixmap", "BM_DecodePng", 2, 0},
                                     });
}
