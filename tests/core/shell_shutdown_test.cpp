// Closing the window, the About text and the home page's address (the GUI
// shell test shows them through the menus).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/about.h"
#include "app/ini_file.h"
#include "app/settings.h"
#include "app/shutdown.h"
#include "render/preview.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

TEST(Shutdown, RemovesTheWorkingFolderUnlessAForeignFileKeepsItAndSavesTheSettings) {
    for (const bool foreign : {false, true}) {
        SessionFixture f;
        f.session.SettingsFolder = f.dir.File("settings");
        f.LoadBytes(FntBuilder(8).Set(65, 4).Build());
        ASSERT_GT(GetFileLength(f.dir.File("tiles/41.BMP")), 0);
        f.dir.Write("tiles/Thumbs.db", Bytes{1});
        if (foreign) f.dir.Write("tiles/notes.txt", Bytes{1});
        f.session.options[Toggle::Compress] = false;
        f.session.font.EditStatus = 2;  // unsaved changes are not asked about
        Shutdown(f.session);
        EXPECT_EQ(GetFileLength(f.dir.File("tiles")), foreign ? 0 : -1);
        EXPECT_EQ(GetFileLength(f.dir.File("tiles/41.BMP")), -1);
        EXPECT_EQ(GetFileLength(f.dir.File("tiles/Thumbs.db")), -1);
        EXPECT_EQ(ReadIniValue(SettingsFilePath(f.session), "Options", "SkipDuplicates", ""), "0");
        EXPECT_EQ(f.view.editorHidden, 1);

        f.session.SettingsFolder = f.dir.File("no/such");  // a failed save is not reported
        const auto lines = f.session.LogLines().size();
        Shutdown(f.session);
        EXPECT_EQ(f.session.LogLines().size(), lines);
    }
}

TEST(About, TextAndHomePageNameTheReadmeBesideTheProgram) {
    TempDir dir;
    ::mkdir(dir.File("my bin").c_str(), 0777);
    dir.Write("my bin/README.md", BytesOf("# Grind FNT Tool\n"));
    const std::string url = "file://" + dir.path() + "/my%20bin/README.md";
    EXPECT_EQ(HomePageUrl(dir.File("my bin")), url);
    EXPECT_EQ(AboutText(dir.File("my bin")),
              "Grind FNT Tool v0.0.150 WIP Beta \r\n"
              "An editor for the binary FNT font files of the game Grindlemoor.\r\n\r\n" +
                  url);

    // Installed: prefix/bin and prefix/share/doc/grindfnttool.
    std::filesystem::create_directories(dir.File("prefix/share/doc/grindfnttool"));
    std::filesystem::create_directories(dir.File("prefix/bin"));
    dir.Write("prefix/share/doc/grindfnttool/README.md", BytesOf("# Grind FNT Tool\n"));
    EXPECT_EQ(HomePageUrl(dir.File("prefix/bin")),
              "file://" + dir.path() + "/prefix/share/doc/grindfnttool/README.md");
}

}  // namespace
}  // namespace gft::test
