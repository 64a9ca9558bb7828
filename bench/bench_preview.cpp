// Writing the 256 tile bitmaps of a realistic font, against writing the same
// 256 files with bare open/write/close in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "bench_support.h"
#include "commands/files/read_font.h"
#include "format/tile_bitmap.h"
#include "session/preview.h"

namespace gft::bench {
namespace {

// A session with the bundled sample font loaded.
struct SampleSession {
    ScratchDir dir;
    QuietSession quiet{dir};
    SampleSession() {
        if (!ReadFntFile(quiet.session, GFT_SAMPLE_FNT, kModeLoad).accepted) {
            std::fprintf(stderr, "cannot load %s\n", GFT_SAMPLE_FNT);
            std::exit(1);
        }
    }
};

// Every tile written again: what a load or a change of every glyph costs.
void BM_Preview_Cold(benchmark::State& state) {
    SampleSession sample;
    Session& session = sample.quiet.session;
    for (auto _ : state) {
        session.tileCache.Forget();
        GeneratePreview(session, 0, 255);
        sample.quiet.TrimLog();
    }
}
BENCHMARK(BM_Preview_Cold);

// Nothing changed since the last preview: no file is written.
void BM_Preview_Unchanged(benchmark::State& state) {
    SampleSession sample;
    Session& session = sample.quiet.session;
    for (auto _ : state) {
        GeneratePreview(session, 0, 255);
        sample.quiet.TrimLog();
    }
}
BENCHMARK(BM_Preview_Unchanged);

// The same 256 files, their bytes made before the clock runs.
void BM_Preview_BareWrite(benchmark::State& state) {
    SampleSession sample;
    const Session& session = sample.quiet.session;
    std::vector<std::pair<std::string, Bytes>> files;
    for (int code = 0; code < 256; ++code)
        files.emplace_back(session.TempFolder + TileFileName(code),
                           BuildTileBitmap(session.font, code, {}));
    for (auto _ : state)
        for (const auto& [path, bytes] : files)
            BareWrite(path, bytes);
}
BENCHMARK(BM_Preview_BareWrite);

// As above, but each file overwritten in place and cut to its length instead
// of being emptied first, as GeneratePreview writes them: on ext4 an emptied
// and rewritten file is flushed to disk when it is closed.
void BM_Preview_BareOverwrite(benchmark::State& state) {
    SampleSession sample;
    const Session& session = sample.quiet.session;
    std::vector<std::pair<std::string, Bytes>> files;
    for (int code = 0; code < 256; ++code)
        files.emplace_back(session.TempFolder + TileFileName(code),
                           BuildTileBitmap(session.font, code, {}));
    for (auto _ : state)
        for (const auto& [path, bytes] : files)
            BareOverwrite(path, bytes);
}
BENCHMARK(BM_Preview_BareOverwrite);

}  // namespace
}  // namespace gft::bench

int main(int argc, char** argv) {
    using gft::bench::Ratio;
    const std::vector<Ratio> ratios{
        {"BM_Preview_Cold", "BM_Preview_BareWrite", 1.5, 0},
        {"BM_Preview_Cold", "BM_Preview_BareOverwrite", 1.5, 0},
        {"BM_Preview_Unchanged", "BM_Preview_BareOverwrite", 0, 0},
        {"BM_Preview_BareOverwrite", "BM_Preview_BareWrite", 0, 0},
    };
    return gft::bench::RunWithRatios(argc, argv, ratios);
}
