// Selecting glyphs by menu, by property and by code block; what changes the
// edit level and what is redrawn.
#include <gtest/gtest.h>

#include <numeric>

#include "commands/selection.h"
#include "test_support.h"

namespace gft::test {
namespace {

int SelectedCount(const Font& font) {
    return std::accumulate(font.Selected.begin(), font.Selected.end(), 0);
}

TEST(SelectionCommands, BlocksSelectTheirCodesAndARepeatChangesNothing) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(8).Build());
    const int counts[] = {32, 34, 10, 26, 26, 32, 32, 32, 32};
    for (int index = 0; index < 9; ++index) {
        mnuSelect_Click(f.session, 1);
        mnuSelSpec_Click(f.session, index);
        EXPECT_EQ(SelectedCount(f.session.font), counts[index]) << "block " << index;
    }
    mnuSelect_Click(f.session, 1);
    mnuSelSpec_Click(f.session, 1);
    const auto& sel = f.session.font.Selected;
    for (int c : {32, 47, 58, 64, 91, 96, 123, 127})
        EXPECT_EQ(sel[c], 1) << c;
    for (int c : {31, 48, 57, 65, 90, 97, 122, 128})
        EXPECT_EQ(sel[c], 0) << c;
    mnuSelSpec_Click(f.session, 9);  // no such block
    EXPECT_EQ(SelectedCount(f.session.font), 34);

    // A second "Upper case" neither redraws nor touches the edit level.
    mnuSelSpec_Click(f.session, 3);
    f.session.SetEditStatus(0);
    const std::size_t loads = f.view.tileLoads.size();
    mnuSelSpec_Click(f.session, 3);
    EXPECT_EQ(f.view.tileLoads.size(), loads);
    EXPECT_EQ(f.session.font.EditStatus, 0);

    mnuSelect_Click(f.session, 1);
    mnuSelectPL_Click(f.session);
    EXPECT_EQ(SelectedCount(f.session.font), 18);
    EXPECT_EQ(sel[165] + sel[185] + sel[143] + sel[159], 4);
}

TEST(SelectionCommands, InvertAlwaysMarksAndUnselectAllOnEmptyDoesNot) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(8).Build());
    cmdUnlockAll_Click(f.session);
    EXPECT_EQ(f.session.font.EditStatus, 0);
    mnuSelect_Click(f.session, 2);
    EXPECT_EQ(SelectedCount(f.session.font), 256);
    mnuSelect_Click(f.session, 2);
    EXPECT_EQ(SelectedCount(f.session.font), 0);
    EXPECT_EQ(f.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:8 Max WIDTH:0) (=)");
    EXPECT_EQ(f.view.tileLoads.back(), std::make_pair(0, 255));
}

TEST(SelectionCommands, ByPropertyCountsAlreadySelectedAndLogsWithoutAFont) {
    SessionFixture f;
    mnuSelectVar_Click(f.session, 2);
    mnuSelect_Click(f.session, 0);
    mnuSelSpec_Click(f.session, 0);
    mnuSelectPL_Click(f.session);
    EXPECT_EQ(f.Log(), std::vector<std::string>{"0 characters matching selected criteria found"});
    EXPECT_EQ(SelectedCount(f.session.font), 0);

    FntBuilder b(8);
    b.Set(65, 6).Set(66, 0, 0).Set(67, 0, 0).Set(68, 9);
    f.LoadBytes(b.Build());
    f.session.font.Chars[200].HasError = 1;  // the reader flags 66 and 67 (width 0)
    f.session.font.Selected[65] = 1;
    const std::size_t start = f.session.LogLines().size();
    mnuSelectVar_Click(f.session, 2);
    mnuSelectVar_Click(f.session, 0);
    mnuSelectVar_Click(f.session, 1);
    EXPECT_EQ(f.LogSince(start),
              (std::vector<std::string>{"4 characters matching selected criteria found",
                                        "2 characters matching selected criteria found",
                                        "3 characters matching selected criteria found"}));
    EXPECT_EQ(SelectedCount(f.session.font), 5);
}

}  // namespace
}  // namespace gft::test
