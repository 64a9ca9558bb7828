// The open dispatcher with its dialogs, remembered paths, errors and drops.
// The log's double-click and Clear are tests/cli/golden/log, the title's
// marks every golden case that prints it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "commands/command_table.h"
#include "commands/files/export_commands.h"
#include "commands/files/export_truetype.h"
#include "commands/files/file_commands.h"
#include "commands/files/save_font.h"
#include "commands/files/typeface_commands.h"
#include "commands/glyphs/move_copy.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

TEST(OpenFontFile, DialogPerModeStartsAtTheRememberedPath) {
    SessionFixture f;
    MergeFont(f.session);  // without a font only Load asks for a file
    CompareFont(f.session);
    ImportAtariFont(f.session);
    ImportAnyEightBitFont(f.session);
    EXPECT_TRUE(f.view.dialogs.empty());

    const std::string font = f.dir.Write("a.fnt", FntBuilder(4).Set(65, 8).Build());
    f.view.answers.push_back(font);
    LoadFont(f.session);
    ASSERT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.view.dialogs[0].initialName, f.dir.path() + "/*.fnt");
    EXPECT_EQ(f.session.FilePaths[kModeLoad], font);

    // Every dialog cancelled: each starts at its own remembered path or at the
    // loaded font's folder, and nothing changes.
    const std::pair<void (*)(Session&), std::string> modes[] = {
        {LoadFont, font},
        {MergeFont, f.dir.path() + "/*.fnt"},
        {ImportAtariFont, f.dir.path() + "/*.fnt;*.f80"},
        {ImportAnyEightBitFont, f.dir.path() + "/*.fnt;*.bin"},
    };
    const Font before = f.session.font;
    const std::size_t logged = f.session.LogLines().size();
    for (const auto& [command, initialName] : modes) {
        command(f.session);
        EXPECT_EQ(f.view.dialogs.back().initialName, initialName);
    }
    EXPECT_EQ(f.session.font, before);
    EXPECT_EQ(f.session.LogLines().size(), logged);
    for (int mode : {1, 2, 4, 5})
        EXPECT_EQ(f.session.FilePaths[mode], "");

    f.session.FilePaths[kModeMerge] = "/remembered/merge.fnt";
    MergeFont(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, "/remembered/merge.fnt");
    EXPECT_EQ(f.session.FilePaths[kModeMerge], "/remembered/merge.fnt");

    f.view.answers.push_back(font);
    CompareFont(f.session);
    CompareFont(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, font);
}

// The export dialogs suggest the name of the font's own file: the one it was
// loaded from or saved to, none for a new font, whatever the Load dialog
// remembers.
TEST(OpenFontFile, ExportDialogsSuggestTheFontsOwnFileName) {
    SessionFixture f;
    const auto suggested = [&f] {
        RunCommand(f.session, "mnuExportBmp");
        return FileNameOf(f.view.dialogs.back().initialName);
    };
    f.LoadBytes(FntBuilder(4).Set(65, 8).Build(), "a.fnt");
    EXPECT_EQ(suggested(), "a.png");
    NewFont(f.session, 4);
    EXPECT_EQ(suggested(), "font.png");
    EXPECT_EQ(FileNameOf(f.session.FilePaths[kModeLoad]), "a.fnt");
    ASSERT_TRUE(SaveFontTo(f.session, f.dir.File("b.fnt")));
    EXPECT_EQ(suggested(), "b.png");
}

// An installed program's folder is not the user's: the first dialogs open in
// the user's folder. A save that failed is not where the next dialog opens.
TEST(FileDialogs, StartInTheUserFolderAndNeverWhereASaveFailed) {
    SessionFixture f;
    f.session.ProgramFolder = "/nonexistent/bin";
    f.session.UserFolder = f.dir.File("docs");
    LoadFont(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("docs/*.fnt"));
    const std::string font = f.LoadBytes(FntBuilder(4).Set(65, 8).Build());
    f.session.FilePaths[kModeSave].clear();
    SaveFontAs(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("docs/*.fnt"));
    EXPECT_EQ(f.view.dialogs.back().defaultExtension, "fnt");
    ExportSelections(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("docs/font.lok"));
    AskExportBdf(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("docs/*.bdf"));
    AskExportTrueType(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("docs/*.ttf"));

    f.session.FilePaths[kModeSave] = font;
    f.view.answers.push_back(f.dir.File("gone/x.fnt"));
    SaveFontAs(f.session);
    EXPECT_EQ(f.session.FilePaths[kModeSave], font);
    f.view.answers.push_back(f.dir.File("gone/x.lok"));
    ExportSelections(f.session);
    SaveFontAs(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, font);
    ExportSelections(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("docs/font.lok"));
    // Written, the export's folder is remembered.
    f.view.answers.push_back(f.dir.File("tiles/x.lok"));
    ExportSelections(f.session);
    ExportSelections(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("tiles/font.lok"));
}

TEST(OpenFontFile, DropsAPickUpHidesTheEditorAndRefusesTheSaveMode) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(2).Set(65, 6).Build());
    f.session.font.Selected[200] = f.session.font.Different[200] = 1;
    EXPECT_EQ(PickUpLabel(f.session, 200), "#200 ($C8) E S D");  // empty, selected, different
    EXPECT_EQ(PickUpLabel(f.session, 65), "#65 ($41)");
    f.session.MovePending = true;
    LoadFont(f.session);
    EXPECT_FALSE(f.session.MovePending);
    EXPECT_EQ(f.view.editorHidden, 1);

    const std::size_t dialogs = f.view.dialogs.size();
    OpenFontFile(f.session, kModeSave);
    OpenFontFile(f.session, 6);
    EXPECT_EQ(f.session.LogLines().back(), "Internal Error: File open mode = 6");
    EXPECT_EQ(f.session.LogLines().end()[-2], "Internal Error: File open mode = 3");
    EXPECT_EQ(f.view.dialogs.size(), dialogs);
}

// A file long enough to be read that cannot be opened: one without read
// permission, or for root, who reads anything, a write-only kernel attribute.
std::string UnreadableFile(const TempDir& dir) {
    if (::geteuid() != 0) {
        const std::string path = dir.Write("locked.fnt", Bytes(2048, 0));
        ::chmod(path.c_str(), 0);
        return path;
    }
    for (const char* path : {"/sys/bus/pci/uevent", "/sys/bus/platform/uevent"}) {
        if (GetFileLength(path) >= 1024 && !std::ifstream(path)) return path;
    }
    return {};
}

TEST(OpenFontFile, UnreadableFileIsOneErrorEntryAndChangesNothing) {
    SessionFixture f;
    const std::string path = UnreadableFile(f.dir);
    if (path.empty()) GTEST_SKIP() << "no unreadable file on this machine";
    f.LoadBytes(FntBuilder(4).Set(65, 8).Build());
    const Font before = f.session.font;
    const std::string denied = std::string("\r\n") + std::strerror(EACCES);
    const std::string number = "Error #" + std::to_string(EACCES);

    std::size_t start = f.session.LogLines().size();
    f.view.answers.push_back(path);
    LoadFont(f.session);
    EXPECT_EQ(f.LogSince(start), Lines{number + " on ReadFntFile" + denied});
    EXPECT_EQ(f.session.FilePaths[kModeLoad], path);

    start = f.session.LogLines().size();
    DropLoad(f.session, {path});
    EXPECT_EQ(f.LogSince(start), Lines{number + " on ReadFntFile" + denied});

    f.view.answers.push_back(path);
    ImportAtariFont(f.session);
    EXPECT_EQ(f.session.LogLines().back(), number + " on ImportEightBitFont" + denied);
    EXPECT_EQ(f.session.font, before);
    EXPECT_EQ(f.view.busyDepth, 0);
}

TEST(DropLoad, OnlyTheFirstFileIsLoaded) {
    SessionFixture f;
    DropLoad(f.session, {});
    EXPECT_EQ(f.Log(), Lines{"Nothing to load: the drop holds no file"});
    EXPECT_FALSE(f.session.font.FontLoaded);

    f.session.MovePending = true;  // a drop keeps a pending pick-up
    const std::string a = f.dir.Write("a.fnt", FntBuilder(4).Build());
    const std::string b = f.dir.Write("b.fnt", FntBuilder(5).Build());
    DropLoad(f.session, {a, b, f.dir.File("missing.fnt")});
    EXPECT_EQ(f.session.font.FontHeight, 4);
    EXPECT_EQ(f.session.FilePaths[kModeLoad], a);
    EXPECT_EQ(std::count(f.session.LogLines().begin(), f.session.LogLines().end(), "FNT Loaded"),
              1);
    EXPECT_TRUE(f.session.MovePending);
    EXPECT_TRUE(f.view.dialogs.empty());
}

// A merge keeps the selection and the marks of a compare (what the golden
// case merge_compare cannot show).
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
