// Undo and redo on the largest font: every glyph 255 pixels wide and 255
// rows tall (2 MiB of glyph bytes), after a step that changed all of them.
// Timed as the history's restore alone and as the whole command (redraw of
// the changed tiles included), against a plain copy of the font's bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "bench_support.h"
#include "commands/command_table.h"
#include "commands/window/history_commands.h"
#include "session/undo_step.h"

namespace {

using namespace gft;
using namespace gft::bench;

Font LargestFont() {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = 254;
    std::mt19937 random(7);
    for (CharInfo& glyph : font.Chars) {
        glyph.Present = true;
        glyph.Width = 255;
        glyph.Pixels.resize(32u * 254);
        for (auto& byte : glyph.Pixels)
            byte = static_cast<std::uint8_t>(random());
    }
    return font;
}

// A session whose last step (a bottom row added to every glyph) can be undone.
struct UndoSession {
    ScratchDir dir;
    QuietSession quiet{dir};
    Session& session = quiet.session;
    UndoSession() {
        session.font = LargestFont();
        ResetHistory(session);
        RunCommand(session, "mnuHGapD_2");
    }
};

void BM_Undo_HistoryOnly(benchmark::State& state) {
    UndoSession s;
    for (auto _ : state) {
        s.session.history.Undo(s.session.font);
        s.session.history.Redo(s.session.font);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Undo_HistoryOnly)->Unit(benchmark::kMillisecond);

void BM_Undo_WholeCommand(benchmark::State& state) {
    UndoSession s;
    for (auto _ : state) {
        UndoLastStep(s.session);
        RedoNextStep(s.session);
        s.quiet.TrimLog();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Undo_WholeCommand)->Unit(benchmark::kMillisecond);

// The floor: copying the font's glyph bytes twice (there and back).
void BM_Undo_BareCopy(benchmark::State& state) {
    const Font font = LargestFont();
    Bytes all;
    for (const CharInfo& glyph : font.Chars)
        all.insert(all.end(), glyph.Pixels.begin(), glyph.Pixels.end());
    Bytes target(all.size());
    for (auto _ : state) {
        std::memcpy(target.data(), all.data(), all.size());
        benchmark::DoNotOptimize(target.data());
        std::memcpy(all.data(), target.data(), all.size());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Undo_BareCopy)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Each iteration is one undo and one redo: the goal of 5 ms is per command.
    return RunWithRatios(argc, argv,
                         {{"BM_Undo_HistoryOnly", "BM_Undo_BareCopy", 0, 0.010},
                          {"BM_Undo_WholeCommand", "BM_Undo_BareCopy", 0, 0.010}});
}
