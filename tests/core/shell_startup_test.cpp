// Start-up: the command line, the working and settings folders, and the
// sequence that ends in the start hint or the help box; closing the window;
// the About text and the home page's address (the GUI shell test shows them
// through the menus).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "app/command_line.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "commands/files/recovery.h"
#include "commands/window/about.h"
#include "commands/window/settings.h"
#include "format/ini_file.h"
#include "support/file_helpers.h"
#include "support/version.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, TokenizerGroupsQuotesAndSplitsOnBlanks) {
    EXPECT_EQ(TokenizeCommandLine("a b\tc"), (Args{"a", "b", "c"}));
    EXPECT_EQ(TokenizeCommandLine(" a"), (Args{"", "a"}));
    EXPECT_EQ(TokenizeCommandLine("\"my fonts\\f.fnt\" /h"), (Args{"my fonts\\f.fnt", "/h"}));
    EXPECT_EQ(TokenizeCommandLine("x \"a\tb\"c"), (Args{"x", "a b", "c"}));
    EXPECT_EQ(TokenizeCommandLine("ab\"c d\""), (Args{"abc d"}));
    EXPECT_EQ(TokenizeCommandLine("a \"\""), (Args{"a", ""}));
}

TEST(CommandLine, PathsResolveInCurrentThenProgramFolderThenAsGiven) {
    TempDir cur, prog;
    cur.Write("here.fnt", Bytes{1});
    prog.Write("here.fnt", Bytes{1});
    prog.Write("there.fnt", Bytes{1});
    cur.Write("empty.fnt", {});
    const auto examine = [&](const Args& args) {
        return ExamineArguments(args, cur.path(), prog.path());
    };
    EXPECT_EQ(examine({"here.fnt"}).fontPath, cur.File("here.fnt"));
    EXPECT_EQ(examine({"there.fnt"}).fontPath, prog.File("there.fnt"));
    EXPECT_EQ(examine({prog.File("there.fnt")}).fontPath, prog.File("there.fnt"));
    EXPECT_TRUE(examine({"empty.fnt"}).badPath);
    EXPECT_TRUE(examine({"missing.fnt"}).badPath);

    EXPECT_FALSE(examine({"missing.fnt", "there.fnt"}).badPath);
    EXPECT_TRUE(examine({"there.fnt", "missing.fnt"}).badPath);

    const auto help = examine({"/?", "/H", "/hlp", "/HELP", "-h", "--help"});
    EXPECT_TRUE(help.help && !help.unknownSwitch && !help.badPath);
    EXPECT_TRUE(examine({"-x"}).unknownSwitch);
    EXPECT_TRUE(examine({"--HELP"}).unknownSwitch);
}

// A desktop's "%u" hands over a file:// URL; it names the local file, and
// nothing else does.
TEST(CommandLine, FileUrlsNameLocalFiles) {
    TempDir dir;
    const std::string font = dir.Write("my 100%.fnt", Bytes{1});
    const std::string folder = dir.path();
    const auto examine = [&](const std::string& argument) {
        return ExamineArguments({argument}, folder, folder);
    };
    const std::string escaped = folder + "/my%20100%25.fnt";
    EXPECT_EQ(examine("file://" + escaped).fontPath, font);
    EXPECT_EQ(examine("FILE://LocalHost" + escaped).fontPath, font);
    EXPECT_EQ(examine("file:" + escaped).fontPath, font);

    for (const std::string& bad :
         std::vector<std::string>{"file://elsewhere" + escaped, "file://" + folder + "/my%2",
                                  "file://" + folder + "/my%2x", "file://" + escaped + "%00",
                                  std::string("file:my%20100%25.fnt"),
                                  "file://" + folder + "/none.fnt", std::string("file://")}) {
        const auto request = examine(bad);
        EXPECT_TRUE(request.badPath) << bad;
        EXPECT_EQ(request.fontPath, "") << bad;
    }
}

struct StartupFixture {
    TempDir dir;
    FakeProcess process{dir};
    std::map<std::string, std::string>& variables = process.variables;
    StartupEnvironment& environment = process.environment;
    RecordingView view;
    Session session{view};
};

TEST(Startup, WorkingAndSettingsFoldersFollowTheEnvironment) {
    StartupFixture f;
    EXPECT_EQ(WorkingFolderBase(f.environment), f.dir.File("prog"));
    EXPECT_EQ(SettingsFolderFor(f.environment, "/base"), f.dir.File("home/.config/Grind FNT Tool"));
    f.variables["XDG_RUNTIME_DIR"] = f.dir.File("cur");
    EXPECT_EQ(WorkingFolderBase(f.environment), f.dir.File("cur"));
    f.variables["TMPDIR"] = f.dir.File("tmp");
    EXPECT_EQ(WorkingFolderBase(f.environment), f.dir.File("tmp"));
    f.variables["TMP"] = f.dir.File("nonexistent");  // TMP is set: TMPDIR is not tried
    EXPECT_EQ(WorkingFolderBase(f.environment), f.dir.File("prog"));
    f.variables["XDG_CONFIG_HOME"] = "/xdg";
    EXPECT_EQ(SettingsFolderFor(f.environment, "/base"), "/xdg/Grind FNT Tool");
    f.variables["APPDATA"] = "/appdata";
    EXPECT_EQ(SettingsFolderFor(f.environment, "/base"), "/appdata/Grind FNT Tool");
    f.variables.clear();
    EXPECT_EQ(SettingsFolderFor(f.environment, "/base"), "/base/Grind FNT Tool");

    ::mkdir(f.dir.File("tmp/GFTT0000").c_str(), 0777);
    EXPECT_EQ(CreateWorkingFolder(f.dir.File("tmp")), f.dir.File("tmp/GFTT0001/"));
    EXPECT_TRUE(FolderExists(f.dir.File("tmp/GFTT0001")));
    f.dir.Write("tmp/GFTT0002", Bytes{});  // a file takes a name too
    EXPECT_EQ(CreateWorkingFolder(f.dir.File("tmp")), f.dir.File("tmp/GFTT0003/"));
}

TEST(Startup, LoadsTheSettingsAndTheCommandLineFontThenGivesTheHint) {
    StartupFixture f;
    f.variables["TMP"] = f.dir.File("tmp");
    ::mkdir(f.dir.File("home/.config").c_str(), 0777);
    ::mkdir(f.dir.File("home/.config/Grind FNT Tool").c_str(), 0777);
    f.dir.Write("home/.config/Grind FNT Tool/Settings.ini",
                BytesOf("[Version]\nApplication=Grind FNT Tool\n[Options]\nSkipDuplicates=0\n"));
    f.dir.Write("cur/font.fnt", FntBuilder(9).Set(65, 4).Build());
    f.environment.arguments = {"font.fnt"};
    const StartupResult result = Startup(f.session, f.environment);
    EXPECT_EQ(result.action, StartupAction::Run);
    EXPECT_EQ(f.session.TempFolder, f.dir.File("tmp/GFTT0000/"));
    EXPECT_FALSE(f.session.On(Toggle::Compress));
    EXPECT_EQ(f.session.FilePaths[kModeLoad], f.dir.File("cur/font.fnt"));
    const auto& log = f.session.LogLines();
    EXPECT_EQ(log.end()[-2], ProgramCaption() + " (FNT loaded, HEIGHT:9 Max WIDTH:4) loaded");
    EXPECT_EQ(log.back(), "Load FNT (use Button / Drag and Drop / Command Line)");
    EXPECT_EQ(f.session.StatusLine(), log.back());
}

// Kept changes of an ended run are offered last, where the command line's
// font does not push them out of sight, in lines that fit the log pane.
TEST(Startup, OffersKeptChangesAfterTheCommandLineFont) {
    StartupFixture f;
    f.variables["TMP"] = f.dir.File("tmp");
    {
        RecordingView view;
        Session ended(view);
        ended.SettingsFolder = f.dir.File("home/.config/Grind FNT Tool");
        ended.fontFile = f.dir.File("cur/kept.fnt");
        ended.font = EmptyFont(7);
        ended.SetEditStatus(2);
        KeepRecoveryCopyNow(ended);
    }
    f.dir.Write("cur/font.fnt", FntBuilder(9).Set(65, 4).Build());
    f.environment.arguments = {"font.fnt"};
    Startup(f.session, f.environment);
    const auto& log = f.session.LogLines();
    EXPECT_EQ(log.end()[-3], "Load FNT (use Button / Drag and Drop / Command Line)");
    EXPECT_EQ(log.end()[-2], "Unsaved changes of kept.fnt were kept");
    EXPECT_EQ(log.back(), "File > Recover unsaved changes");
    EXPECT_EQ(f.session.StatusLine(),
              "Unsaved changes of kept.fnt were kept: File > Recover unsaved changes");
}

TEST(Startup, HelpAndBadArgumentsEndWithoutAWorkingFolder) {
    const std::pair<Args, int> cases[] = {{{"/?"}, 0}, {{"-q"}, 2}, {{"missing.fnt"}, 2}};
    for (const auto& [args, exitCode] : cases) {
        StartupFixture f;
        f.environment.arguments = args;
        const StartupResult result = Startup(f.session, f.environment);
        EXPECT_EQ(result.action, StartupAction::Help) << args[0];
        EXPECT_EQ(result.exitCode, exitCode) << args[0];
        EXPECT_EQ(f.session.TempFolder, f.dir.File("prog/GFTT0000/"));
        EXPECT_FALSE(FolderExists(f.dir.File("prog/GFTT0000"))) << args[0];
        EXPECT_TRUE(f.session.LogLines().empty());
    }
}

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
              ProgramCaption() +
                  " WIP Beta \r\n"
                  "An editor for the binary FNT font files of the game Grindlemoor.\r\n\r\n" +
                  url);

    // With no browser started the notification strip says so.
    struct NoBrowser : RecordingView {
        bool OpenUrl(const std::string&) override { return false; }
    } view;
    Session session(view);
    session.ProgramFolder = dir.File("my bin");
    VisitHomePage(session);
    ASSERT_EQ(session.notices.size(), 1u);
    EXPECT_EQ(session.notices[0].text, "Could not start a web browser for the home page " + url);

    // Installed: prefix/bin and prefix/share/doc/grindfnttool.
    std::filesystem::create_directories(dir.File("prefix/share/doc/grindfnttool"));
    std::filesystem::create_directories(dir.File("prefix/bin"));
    dir.Write("prefix/share/doc/grindfnttool/README.md", BytesOf("# Grind FNT Tool\n"));
    EXPECT_EQ(HomePageUrl(dir.File("prefix/bin")),
              "file://" + dir.path() + "/prefix/share/doc/grindfnttool/README.md");
}

}  // namespace
}  // namespace gft::test
