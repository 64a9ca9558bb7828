// Undo and redo: every command is one step that restores the exact state
// before and after it; the edit mark follows the file; the history is bounded.
#include <gtest/gtest.h>

#include <functional>

#include "app/file_commands.h"
#include "app/undo.h"
#include "commands/block_copy.h"
#include "commands/height_gap.h"
#include "commands/move_copy.h"
#include "commands/selection.h"
#include "commands/tile_mouse.h"
#include "editor/apply.h"
#include "editor/char_editor.h"
#include "font/fnt_writer.h"
#include "support/file_helpers.h"
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
    const Case cases[] = {
        {"Select all", [](Session& s) { mnuSelect_Click(s, 0); }},
        {"Invert selection", [](Session& s) { mnuSelect_Click(s, 2); }},
        {"Select all present", [](Session& s) { mnuSelectVar_Click(s, 2); }},
        {"Upper case", [](Session& s) { mnuSelSpec_Click(s, 3); }},
        {"Polish", [](Session& s) { mnuSelectPL_Click(s); }},
        {"Toggle selection", [](Session& s) { ToggleSelection(s, 66); }},
        {"Copy upper case over lower case", [](Session& s) { mnuCopyBlock_Click(s, 0); }},
        {"Delete all selected", [](Session& s) { mnuDelAllSelected_Click(s); },
         [](Session& s) {
             s.font.Selected[65] = s.font.Selected[200] = 1;
             s.SetEditStatus(1);
         }},
        {"Top gap Increase (+)", [](Session& s) { ChangeHeightGap(s, 0); }},
        {"Down gap Decrease (-)", [](Session& s) { ChangeHeightGap(s, 3); },
         [](Session& s) { ChangeHeightGap(s, 2); }},
        {"Move character",
         [](Session& s) {
             Char_Click(s, 65, 0);
             Char_Click(s, 200, 0);
         }},
        {"Copy character",
         [](Session& s) {
             Char_Click(s, 66, 0);
             Char_Click(s, 67, kShiftKey);
         }},
        {"Apply",
         [](Session& s) {
             s.EditorChar = 70;
             mnuCharEditor_Click(s);
             cmdDelChr_Click(s);
             cmdApply_Click(s);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryFixture f;
        c.setup(f.session);
        const Font before = f.session.font;
        c.command(f.session);
        Font after = f.session.font;
        ASSERT_TRUE(f.session.history.CanUndo());
        EXPECT_EQ(f.session.history.UndoName(), c.name);

        mnuUndo_Click(f.session);
        EXPECT_EQ(f.LastLine(), std::string("Undo ") + c.name);
        EXPECT_EQ(f.session.font, before);
        EXPECT_EQ(f.session.history.RedoName(), c.name);

        mnuRedo_Click(f.session);
        EXPECT_EQ(f.LastLine(), std::string("Redo ") + c.name);
        after.EditStatus = f.session.font.EditStatus;  // the mark is measured against the file
        EXPECT_EQ(f.session.font, after);
        EXPECT_FALSE(f.session.history.CanRedo());
    }
}

TEST(History, CommandsThatChangeNothingAddNoStep) {
    HistoryFixture f;
    mnuSelect_Click(f.session, 1);  // nothing selected yet
    ChangeHeightGap(f.session, 1);  // blocked by ink in the top row
    EXPECT_FALSE(f.session.history.CanUndo());
    mnuUndo_Click(f.session);  // nothing to undo: nothing logged
    EXPECT_NE(f.LastLine().rfind("Undo", 0), 0u);
}

TEST(History, TheEditMarkFollowsTheFile) {
    HistoryFixture f;
    const std::string plain = "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:6 Max WIDTH:12)";
    mnuSelSpec_Click(f.session, 3);
    mnuCopyBlock_Click(f.session, 0);
    EXPECT_EQ(f.session.Title(), plain + " (*)");
    mnuUndo_Click(f.session);
    EXPECT_EQ(f.session.Title(), plain + " (=)");  // only the selection differs from the file
    mnuUndo_Click(f.session);
    EXPECT_EQ(f.session.Title(), plain);

    mnuRedo_Click(f.session);
    mnuRedo_Click(f.session);
    ASSERT_TRUE(SaveFontAs(f.session, f.dir.File("saved.fnt")));
    EXPECT_EQ(f.session.Title(), plain);
    mnuUndo_Click(f.session);  // back past the save: the file has the copy, the font not
    EXPECT_EQ(f.session.Title(), plain + " (*)");
    mnuRedo_Click(f.session);
    EXPECT_EQ(f.session.Title(), plain);
}

TEST(History, ANewStepDropsRedoAndLoadingStartsAfresh) {
    HistoryFixture f;
    mnuSelect_Click(f.session, 0);
    mnuSelect_Click(f.session, 1);
    mnuUndo_Click(f.session);
    ASSERT_TRUE(f.session.history.CanRedo());
    ToggleSelection(f.session, 65);
    EXPECT_FALSE(f.session.history.CanRedo());
    EXPECT_EQ(f.session.history.StepCount(), 2u);  // "Select all", "Toggle selection"

    f.LoadBytes(FntBuilder(4).Build(), "other.fnt");
    EXPECT_FALSE(f.session.history.CanUndo());
    NewFont(f.session, 7);
    EXPECT_FALSE(f.session.history.CanUndo());
    EXPECT_EQ(f.LastLine(), "New FNT created (height 7)");
    EXPECT_EQ(f.session.font.FontHeight, 7);
    EXPECT_EQ(f.session.FilePaths[kModeSave], "");
}

TEST(History, TheOldestStepsGoWhenTheHistoryOutgrowsItsLimit) {
    HistoryFixture f;
    for (int i = 0; i < 20; ++i)
        ChangeHeightGap(f.session, i % 2 == 0 ? 2 : 3);
    EXPECT_EQ(f.session.history.StepCount(), 20u);
    const std::size_t full = f.session.history.MemoryBytes();
    f.session.history.SetLimit(full / 2);
    EXPECT_LE(f.session.history.MemoryBytes(), full / 2);
    const std::size_t kept = f.session.history.StepCount();
    EXPECT_GT(kept, 0u);
    EXPECT_LT(kept, 20u);
    while (f.session.history.CanUndo())
        mnuUndo_Click(f.session);
    EXPECT_EQ(f.session.font.FontHeight, kept % 2 == 0 ? 6 : 7);
}

TEST(History, SnapshotsShareUnchangedGlyphs) {
    HistoryFixture f;
    const std::size_t base = f.session.history.MemoryBytes();
    for (int i = 0; i < 10; ++i)
        ToggleSelection(f.session, 65);
    // Ten selection steps cost their tables, no glyph copies.
    EXPECT_LE(f.session.history.MemoryBytes() - base, 10 * sizeof(FontSnapshot));
}

TEST(QuickSave, SavesToTheDestinationOrAsks) {
    HistoryFixture f;
    f.session.FilePaths[kModeSave] = f.dir.File("quick.fnt");
    mnuSelect_Click(f.session, 0);
    mnuSaveFnt_Click(f.session);
    EXPECT_EQ(ReadAll(f.dir.File("quick.fnt")), BuildFntImage(f.session.font, true));
    EXPECT_EQ(f.session.font.EditStatus, 0);
    EXPECT_TRUE(f.view.dialogs.empty());

    NewFont(f.session, 9);
    f.view.answers.push_back(f.dir.File("asked.fnt"));
    mnuSaveFnt_Click(f.session);
    ASSERT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(GetFileLength(f.dir.File("asked.fnt")), 797);
}

}  // namespace
}  // namespace gft::test
