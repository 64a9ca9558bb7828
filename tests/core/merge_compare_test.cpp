// Merging another font into the loaded one. What the log, the glyphs and the
// selection show after merges and compares is the golden case merge_compare;
// here what it cannot show: a merge keeps the selection and the marks of a
// compare.
#include <gtest/gtest.h>

#include "commands/files/file_commands.h"
#include "test_support.h"

namespace gft::test {
namespace {

TEST(Merge, ImportsAbsentGlyphsAndKeepsTheMarks) {
    SessionFixture f;
    FntBuilder other(4);
    other.Set(65, 8, 0x99).Set(67, 3, 0x33);
    const std::string otherPath = f.dir.Write("other.fnt", other.Build());
    f.LoadBytes(FntBuilder(4).Set(65, 8, 0x11).Build());
    f.session.font.Selected[3] = 1;
    f.session.font.Different[4] = 1;
    const Font before = f.session.font;

    f.view.answers.push_back(otherPath);
    MergeFont(f.session);
    const Font& font = f.session.font;
    EXPECT_EQ(font.Chars[65], before.Chars[65]);
    EXPECT_EQ(font.Chars[67], (CharInfo{true, Bytes(4, 0x33), 3, 0}));
    EXPECT_EQ(font.Selected, before.Selected);
    EXPECT_EQ(font.Different, before.Different);
    EXPECT_EQ(font.EditStatus, 2);
}

}  // namespace
}  // namespace gft::test
