// The height gap and block copy on the largest font (255 pixels wide, so 32
// bytes a row), each against a plain memcpy of the same bytes measured in the
// same run. The model operations are timed alone and as whole commands (with
// the redraw that writes the tile files and the log lines).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "commands/glyphs/block_copy.h"
#include "commands/glyphs/height_gap.h"
#include "session/session.h"

namespace {

using namespace gft;

constexpr int kRowBytes = 32;  // width 255

// Every glyph present, 255 pixels wide, random bits.
Font WideFont(int height) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = static_cast<std::uint8_t>(height);
    std::mt19937 random(42);
    for (CharInfo& glyph : font.Chars) {
        glyph.Present = true;
        glyph.Width = 255;
        glyph.Pixels.resize(static_cast<std::size_t>(kRowBytes * height));
        for (auto& byte : glyph.Pixels)
            byte = static_cast<std::uint8_t>(random());
    }
    return font;
}

// A session with a private tile folder under TMPDIR, removed at the end.
struct BenchSession {
    View view;
    Session session{view};
    std::filesystem::path folder;
    explicit BenchSession(const Font& font) {
        const char* tmp = std::getenv("TMPDIR");
        std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/gft-bench-XXXXXX";
        folder = ::mkdtemp(name.data());
        session.TempFolder = folder.string() + "/";
        session.font = font;
    }
    ~BenchSession() { std::filesystem::remove_all(folder); }
};

// The bytes one round of the height gap moves: 254 -> 255 rows, then back.
constexpr std::size_t kHeightRoundBytes = 256u * kRowBytes * (255 + 254);
// The bytes one block copy copies: 26 glyphs of 255 rows.
constexpr std::size_t kBlockBytes = 26u * kRowBytes * 255;

void MemcpyBaseline(benchmark::State& state, std::size_t bytes) {
    std::vector<std::uint8_t> from(bytes, 0x5A), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        from[0] ^= 1;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_MemcpyHeightRound(benchmark::State& state) {
    MemcpyBaseline(state, kHeightRoundBytes);
}

void BM_HeightGapModel(benchmark::State& state) {
    Font font = WideFont(254);
    for (auto _ : state) {
        AddBlankRow(font, Edge::Top);
        RemoveRow(font, Edge::Top);
        benchmark::DoNotOptimize(font.Chars[0].Pixels.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kHeightRoundBytes));
}

void BM_HeightGapCommand(benchmark::State& state) {
    Font font = WideFont(254);
    for (auto& glyph : font.Chars)
        std::fill_n(glyph.Pixels.begin(), kRowBytes, 0);  // a blank top row to remove
    BenchSession bench(font);
    for (auto _ : state) {
        ChangeHeight(bench.session, Edge::Top, RowStep::Add);
        ChangeHeight(bench.session, Edge::Top, RowStep::Remove);
        if (bench.session.font.FontHeight != 254) state.SkipWithError("height changed");
        bench.session.ClearLog();
    }
}

void BM_MemcpyBlock(benchmark::State& state) {
    MemcpyBaseline(state, kBlockBytes);
}

// Each round a byte at the end of every capital changes, so all 26 glyphs
// differ again (after a full compare) and are copied.
void TouchCapitals(Font& font) {
    for (int code = 65; code <= 90; ++code)
        font.Chars[static_cast<std::size_t>(code)].Pixels.back() ^= 1;
}

void BM_BlockCopyModel(benchmark::State& state) {
    Font font = WideFont(255);
    for (auto _ : state) {
        TouchCapitals(font);
        benchmark::DoNotOptimize(CopyBlockGlyphs(font, CaseBlock::Ascii));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBlockBytes));
}

void BM_BlockCopyCommand(benchmark::State& state) {
    BenchSession bench(WideFont(255));
    for (auto _ : state) {
        TouchCapitals(bench.session.font);
        CopyCapitalsOverSmall(bench.session, CaseBlock::Ascii);
        bench.session.ClearLog();
    }
}

BENCHMARK(BM_MemcpyHeightRound);
BENCHMARK(BM_HeightGapModel);
BENCHMARK(BM_HeightGapCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyBlock);
BENCHMARK(BM_BlockCopyModel);
BENCHMARK(BM_BlockCopyCommand)->Unit(benchmark::kMillisecond);

// Prints each operation's time as a multiple of its memcpy baseline.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                perIteration_[run.benchmark_name()] = {
                    run.real_accumulated_time / static_cast<double>(run.iterations),
                    run.cpu_accumulated_time / static_cast<double>(run.iterations)};
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        Ratio("BM_HeightGapModel", "BM_MemcpyHeightRound");
        Ratio("BM_HeightGapCommand", "BM_MemcpyHeightRound");
        Ratio("BM_BlockCopyModel", "BM_MemcpyBlock");
        Ratio("BM_BlockCopyCommand", "BM_MemcpyBlock");
    }

  private:
    void Ratio(const std::string& name, const std::string& baseline) {
        const auto op = perIteration_.find(name);
        const auto base = perIteration_.find(baseline);
        if (op == perIteration_.end() || base == perIteration_.end()) return;
        const auto [opReal, opCpu] = op->second;
        const auto [baseReal, baseCpu] = base->second;
        if (baseReal <= 0 || baseCpu <= 0) return;
        std::printf("ratio %-20s / %-20s = %8.2fx real, %8.2fx cpu\n", name.c_str(),
                    baseline.c_str(), opReal / baseReal, opCpu / baseCpu);
    }
    // Seconds per iteration: real time, CPU time.
    std::map<std::string, std::pair<double, double>> perIteration_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
