// Undo and redo: every command is one step that restores the exact state
// before and after it; the history is bounded and shares unchanged and
// alike glyphs.
// A long session with saves between the steps is tests/cli/golden/history_session.
#include <gtest/gtest.h>

#include <functional>

#include "commands/command_table.h"
#include "commands/glyphs/selection.h"
#include "commands/window/history_commands.h"
#include "test_support.h"

namespace gft::test {
namespace {

struct HistoryFixture : SessionFixture {
    HistoryFixture() {
        FntBuilder b(6);
        for (int c = 65; c <= 90; ++c)
            b.Set(c, static_cast<std::uint8_t>(c % 12 + 1), c);
        b.Set(97, 3, 0x40).Set(200, 9, 0x0F);
        LoadBytes(b.Build());
    }
    std::string LastLine() const { return session.LogLines().back(); }
};

struct Case {
    const char* name;
    std::function<void(Session&)> command;
    std::function<void(Session&)> setup = [](Session&) {};
};

TEST(History, EveryCommandFamilyUndoesAndRedoesExactly) {
    // The golden case history_session walks the others.
    const Case cases[] = {
        {"Select all", [](Session& s) { RunCommand(s, "mnuSelect_0"); }},
        {"Select all present", [](Session& s) { RunCommand(s, "mnuSelectVar_2"); }},
        {"Down gap Decrease (-)", [](Session& s) { RunCommand(s, "mnuHGapD_3"); },
         [](Session& s) { RunCommand(s, "mnuHGapD_2"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryFixture f;
        c.setup(f.session);
        const Font before = f.session.font;
        c.command(f.session);
        Font after = f.session.font;
        EXPECT_EQ(f.session.history.UndoName(), c.name);

        UndoLastStep(f.session);
        EXPECT_EQ(f.LastLine(), std::string("Undo ") + c.name);
        EXPECT_EQ(f.session.font, before);
        EXPECT_EQ(f.session.history.RedoName(), c.name);

        RedoNextStep(f.session);
        EXPECT_EQ(f.LastLine(), std::string("Redo ") + c.name);
        after.EditStatus = f.session.font.EditStatus;  // the mark is measured against the file
        EXPECT_EQ(f.session.font, after);
        EXPECT_FALSE(f.session.history.CanRedo());
    }
}

TEST(History, CommandsThatChangeNothingAddNoStep) {
    HistoryFixture f;
    RunCommand(f.session, "mnuSelect_1");  // nothing selected yet
    RunCommand(f.session, "mnuHGapU_1");   // blocked by ink in the top row
    EXPECT_FALSE(f.session.history.CanUndo());
    UndoLastStep(f.session);  // nothing to undo: nothing logged
    EXPECT_NE(f.LastLine().rfind("Undo", 0), 0u);
}

TEST(History, TheOldestStepsGoWhenTheHistoryOutgrowsItsLimit) {
    HistoryFixture f;
    for (int i = 0; i < 20; ++i)
        RunCommand(f.session, i % 2 == 0 ? "mnuHGapD_2" : "mnuHGapD_3");
    EXPECT_EQ(f.session.history.StepCount(), 20u);
    const std::size_t full = f.session.history.MemoryBytes();
    f.session.history.SetLimit(full / 2);
    EXPECT_LE(f.session.history.MemoryBytes(), full / 2);
    const std::size_t kept = f.session.history.StepCount();
    EXPECT_GT(kept, 0u);
    EXPECT_LT(kept, 20u);
    while (f.session.history.CanUndo())
        UndoLastStep(f.session);
    EXPECT_EQ(f.session.font.FontHeight, kept % 2 == 0 ? 6 : 7);
}

TEST(History, SnapshotsShareUnchangedGlyphs) {
    HistoryFixture f;
    const std::size_t base = f.session.history.MemoryBytes();
    for (int i = 0; i < 10; ++i)
        ToggleSelection(f.session, 65);
    // Ten selection steps cost their tables, no glyph copies.
    EXPECT_LE(f.session.history.MemoryBytes() - base, 10 * sizeof(FontSnapshot));
    // A run of alike glyphs in one state is held once.
    History history;
    history.Reset(EmptyFont(200));
    EXPECT_LE(history.MemoryBytes(), sizeof(FontSnapshot) + sizeof(CharInfo) + 200);
}

}  // namespace
}  // namespace gft::test
