// Settings.ini: what SaveINI writes, what LoadINI applies and what it refuses,
// and the INI layer under them: what is read, and where a write puts a key.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "commands/window/settings.h"
#include "commands/window/window_places.h"
#include "format/ini_file.h"
#include "support/app_error.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

class FontRecordingView : public RecordingView {
  public:
    std::vector<BaseFont> baseFonts;
    void BaseFontChanged(const BaseFont& font) override { baseFonts.push_back(font); }
};

struct SettingsFixture {
    TempDir dir;
    FontRecordingView view;
    Session session{view};
    SettingsFixture() { session.SettingsFolder = dir.File("Grind FNT Tool"); }
    std::string Path() const { return SettingsFilePath(session); }
    void WriteSettings(const std::string& text) {
        ::mkdir(session.SettingsFolder.c_str(), 0777);
        dir.Write("Grind FNT Tool/Settings.ini", BytesOf(text));
    }
};

constexpr const char* kHead = "[Version]\nApplication=Grind FNT Tool\n";

TEST(IniFile, AValueEndsAtAnyLineBreakAsItIsWritten) {
    // A lone CR is no line end of the file, but a written value stops there:
    // what is read must be what a write of it keeps.
    IniFile file("[Paths]\nSource=\r\vfnt-Next=\nDestination= out.fnt \rtail\n");
    EXPECT_EQ(file.Get("Paths", "Source", "none"), "");
    EXPECT_EQ(file.Get("Paths", "Destination", "none"), "out.fnt");
    file.Set("Paths", "Destination", file.Get("Paths", "Destination", ""));
    EXPECT_EQ(file.Content(), "[Paths]\nSource=\r\vfnt-Next=\nDestination=out.fnt\n");

    // CRs at the end of a line belong to its line end: written back after
    // the line, they would turn a file of LF line ends into one of CR LF.
    const std::string lf = "[A]\nk=1\n[B]C\r\r";
    EXPECT_EQ(IniFile(lf).Content(), "[A]\nk=1\n[B]C\n");
    const std::string crlf = "[A]\r\nk=1\r\r\n";
    EXPECT_EQ(IniFile(crlf).Content(), "[A]\r\nk=1\r\n");
    EXPECT_EQ(IniFile(IniFile(crlf).Content()).Content(), IniFile(crlf).Content());
}

TEST(Settings, EveryKeyRoundTripsInTheTableOrder) {
    auto path = [](int mode) {
        return "/fonts/" + std::to_string(mode) + " " + std::string(300, 'x');
    };
    SettingsFixture a;
    for (int mode = 0; mode < 6; ++mode)
        a.session.FilePaths[mode] = path(mode);
    for (int dialog = 0; dialog < kTransferDialogCount; ++dialog)
        a.session.transferFolders[dialog] = path(10 + dialog);
    for (const Toggle t :
         {Toggle::Frames, Toggle::YellowWidthMore8, Toggle::DontCutBitmaps, Toggle::UseSrcPath,
          Toggle::Compress, Toggle::CrsrInv, Toggle::SaveThisFormat, Toggle::MarkDiff,
          Toggle::LogAutoScroll, Toggle::MergeAll, Toggle::KeepProportions, Toggle::ShowCompared})
        a.session.options[t] = !a.session.options[t];
    a.session.options.baseFont = {"DejaVu Sans Mono", 9.75, false};
    a.session.previewText = "Zażółć = 1";
    a.session.previewScale = 5;
    a.session.windowPlaces[IndexOf(AppWindow::Main)] = WindowPlace{{-8, 20, 900, 431}, true};
    a.session.windowPlaces[IndexOf(AppWindow::Preview)] = WindowPlace{{1930, 5, 700, 160}};
    a.session.recentFonts = {"/fonts/b & c.fnt", "/fonts/a.fnt"};
    SaveINI(a.session);
    EXPECT_EQ(ReadText(a.Path()),
              "[Version]\nApplication=Grind FNT Tool\nMajor=0\nMinor=0\nRevision=150\n"
              "[Paths]\nSource=" +
                  path(0) + "\nDestination=" + path(3) + "\nSourceForMerge=" + path(1) +
                  "\nSourceForCompare=" + path(2) + "\nSourceForAtariImport=" + path(4) +
                  "\nSourceFor8bitImport=" + path(5) + "\nExportBitmap=" + path(10) +
                  "\nExportGrid=" + path(11) + "\nExportAtari=" + path(12) + "\nExport8bit=" +
                  path(13) + "\nExportHtml=" + path(14) + "\nExportSelections=" + path(15) +
                  "\nSourceForPixmapImport=" + path(16) + "\nSourceForSelections=" + path(17) +
                  "\n[Options]\nShowFrames=0\nWidthMore8ToYellow=1\nShowInvisibleParts=1\n"
                  "UseSrcPathForOutput=0\nSkipDuplicates=0\nInverseCursor=1\n"
                  "BaseFontName=DejaVu Sans Mono\nBaseFontSize=9.75\nBaseFontBold=0\n"
                  "SaveGFTSelectionTable=0\nMarkDifferent=0\nMergeAll=1\nKeepProportions="
                  "1\nShowCompared=1\n"
                  "[TextPreview]\nText=Zażółć = 1\nScale=5\n"
                  "[Windows]\nMain=-8,20,900,431\nTextPreview=1930,5,700,160\n"
                  "MainMaximized=1\n[RecentFonts]\nFont1=/fonts/b & c.fnt\nFont2=/fonts/a.fnt\n");

    SettingsFixture b;
    b.session.SettingsFolder = a.session.SettingsFolder;
    LoadINI(b.session);
    EXPECT_EQ(b.session.FilePaths, a.session.FilePaths);
    EXPECT_EQ(b.session.transferFolders, a.session.transferFolders);
    Options expected = a.session.options;
    expected[Toggle::LogAutoScroll] = true;  // not a settings key
    EXPECT_EQ(b.session.options.on, expected.on);
    EXPECT_EQ(b.session.options.baseFont, expected.baseFont);
    EXPECT_EQ(b.session.previewText, "Zażółć = 1");
    EXPECT_EQ(b.session.previewScale, 5);
    EXPECT_EQ(b.session.windowPlaces, a.session.windowPlaces);
    EXPECT_EQ(b.session.recentFonts, a.session.recentFonts);
    ASSERT_EQ(b.view.baseFonts.size(), 1u);
    EXPECT_EQ(b.view.baseFonts[0], expected.baseFont);
    EXPECT_TRUE(b.session.LogLines().empty());
}

// A place is used only where its top edge, which the window is taken hold
// of by, lies on a screen; too large for that screen, it shrinks to fit.
TEST(WindowPlaces, ASavedPlaceCountsWhereItsTopEdgeIsOnAScreen) {
    const ScreenRect screens[] = {{0, 0, 1400, 1000}, {1400, 200, 800, 600}};
    const auto restored = [&screens](ScreenRect rect) {
        return RestoredPlace(WindowPlace{rect}, screens);
    };
    EXPECT_EQ(restored({100, 50, 900, 431}), (WindowPlace{ScreenRect{100, 50, 900, 431}}));
    EXPECT_TRUE(restored({1300, 300, 900, 431}));   // across both screens
    EXPECT_FALSE(restored({1500, 100, 300, 300}));  // above the second screen
    EXPECT_FALSE(restored({-900, 50, 880, 431}));   // left of every screen
    EXPECT_TRUE(restored({-836, 50, 900, 431}));    // 64 pixels of it on the first
    EXPECT_FALSE(restored({-837, 50, 900, 431}));
    EXPECT_FALSE(restored({100, 977, 900, 431}));  // its top edge under the bottom
    EXPECT_TRUE(restored({100, 976, 900, 431}));
    EXPECT_FALSE(restored({100, 50, 0, 431}));
    EXPECT_EQ(restored({1500, 250, 1200, 900})->rect, (ScreenRect{1500, 250, 800, 600}));
    EXPECT_FALSE(RestoredPlace(WindowPlace{{0, 0, 10, 10}}, {}));

    // A default size made smaller on a small screen, with room for a frame.
    EXPECT_EQ(FittedSize(860, 431, {0, 0, 700, 500}), (ScreenRect{0, 0, 684, 431}));
    EXPECT_EQ(FittedSize(860, 431, {0, 0, 1920, 400}), (ScreenRect{0, 0, 860, 352}));
}

TEST(WindowPlaces, MalformedPlacesAreDroppedOthersKept) {
    SettingsFixture f;
    f.WriteSettings(std::string(kHead) +
                    "[Windows]\nMain=1,2,300\nEditor= 5,6,531,447\nTextPreview=1,2,3,x\n"
                    "MainMaximized=1\n");
    LoadINI(f.session);
    EXPECT_FALSE(f.session.windowPlaces[IndexOf(AppWindow::Main)]);
    EXPECT_EQ(f.session.windowPlaces[IndexOf(AppWindow::Editor)],
              (WindowPlace{ScreenRect{5, 6, 531, 447}}));
    EXPECT_FALSE(f.session.windowPlaces[IndexOf(AppWindow::Preview)]);
    SaveINI(f.session);
    EXPECT_NE(ReadText(f.Path()).find("[Windows]\nEditor=5,6,531,447\n"), std::string::npos);
    EXPECT_EQ(ReadText(f.Path()).find("Main"), std::string::npos);
}

TEST(Settings, AnyBaseFontSizeComesBackFromTheFile) {
    // Sizes of more than six digits, or too small for a plain decimal of six,
    // must come back as they went out.
    for (const double size : {18.123456789, 1234567.0, 0.00001, 1e300, 0.1}) {
        SettingsFixture a;
        a.session.options.baseFont.size = size;
        SaveINI(a.session);
        SettingsFixture b;
        b.session.SettingsFolder = a.session.SettingsFolder;
        LoadINI(b.session);
        EXPECT_EQ(b.session.options.baseFont.size, size);
    }
}

TEST(Settings, IniFlagTakesTheWholePartOfTheLeadingNumber) {
    const std::pair<std::string, std::pair<std::string, int>> cases[] = {
        {"0", {"0", 0}},   {"abc", {"0", 0}},  {"", {"0", 0}},    {"2", {"2", 1}},
        {"1.9", {"1", 1}}, {"-0.5", {"1", 1}}, {"0.7", {"0", 0}}, {" 3x", {"3", 1}}};
    for (const auto& [input, result] : cases) {
        std::string text = input;
        EXPECT_EQ(IniFlag(text), result.second) << input;
        EXPECT_EQ(text, result.first) << input;
    }
}

TEST(Settings, MissingPathKeysEmptyThePathsMissingOptionKeysKeepTheOptions) {
    SettingsFixture f;
    f.session.FilePaths = {"a", "b", "c", "d", "e", "f"};
    f.session.options[Toggle::Frames] = false;
    f.session.options[Toggle::UseSrcPath] = false;
    f.WriteSettings(std::string(kHead) +
                    "[Paths]\nSource=/f/a.fnt\n[Options]\nUseSrcPathForOutput=1\n"
                    "BaseFontSize=-9\nMarkDifferent=abc\n");
    LoadINI(f.session);
    EXPECT_EQ(f.session.FilePaths,
              (std::array<std::string, 6>{"/f/a.fnt", "", "", "/f/a.fnt", "", ""}));
    EXPECT_FALSE(f.session.On(Toggle::Frames));
    EXPECT_FALSE(f.session.On(Toggle::MarkDiff));
    EXPECT_EQ(f.session.LogLines(), std::vector<std::string>{"Output path set to input"});
    EXPECT_EQ(f.session.options.baseFont, (BaseFont{"Fixedsys", 9, true}));

    f.WriteSettings(std::string(kHead) + "[Options]\nBaseFontSize=8,25\nBaseFontBold=abc\n");
    LoadINI(f.session);
    EXPECT_EQ(f.session.options.baseFont, (BaseFont{"Fixedsys", 8, false}));
}

TEST(Settings, ForeignOrUnreadableFilesLeaveTheSettingsAlone) {
    SettingsFixture f;
    f.WriteSettings("[Version]\nApplication=Other Tool\n[Options]\nShowFrames=0\n");
    LoadINI(f.session);
    EXPECT_EQ(f.session.LogLines(),
              std::vector<std::string>{"Unrecognized INI file - settings reset to default"});
    EXPECT_EQ(GetFileLength(f.Path()), -1);
    EXPECT_TRUE(f.session.On(Toggle::Frames));
    LoadINI(f.session);  // nothing left to read: nothing said
    EXPECT_EQ(f.session.LogLines().size(), 1u);

    f.dir.Write("plain file", Bytes{1});
    f.session.SettingsFolder = f.dir.File("plain file/Grind FNT Tool");
    SaveSettings(f.session);
    EXPECT_EQ(f.session.LogLines().back(), "Error #20 on MkDir\r\nNot a directory");
    EXPECT_EQ(f.view.busyDepth, 0);
}

TEST(IniFile, WritesKeepTheFileOrder) {
    IniFile file("; kept\r\n[A]\r\nx = 1\r\n\r\n[B]\r\ny=2\r\n");
    file.Set("a", "X", "3");  // in place, names compared without case
    file.Set("A", "z", "4");  // after the section's last key, before the blank line
    file.Set("C", "k", "v");  // a new section at the end
    file.Set("B", "y", "first\nsecond");
    EXPECT_EQ(file.Content(),
              "; kept\r\n[A]\r\nX=3\r\nz=4\r\n\r\n[B]\r\ny=first\r\n[C]\r\nk=v\r\n");
    EXPECT_EQ(file.Get("c", "K", "none"), "v");
    EXPECT_EQ(file.Get("A", "missing", "none"), "none");
    EXPECT_EQ(file.Get("D", "k", "none"), "none");
}

TEST(IniFile, NewFileStartsFromTheVersionHeader) {
    TempDir dir;
    const std::string path = dir.Write("Settings.ini", BytesOf("[Version]"));
    WriteIniValue(path, "Version", "Application", "Grind FNT Tool");
    WriteIniValue(path, "Paths", "Source", std::string(600, 'p'));
    WriteIniValue(path, "version", "Major", "0");
    EXPECT_EQ(ReadText(path), "[Version]\nApplication=Grind FNT Tool\nMajor=0\n[Paths]\nSource=" +
                                  std::string(600, 'p') + "\n");
    EXPECT_EQ(ReadIniValue(path, "PATHS", "source", ""), std::string(600, 'p'));
}

TEST(IniFile, DamagedOrUnreadableFilesGiveTheDefault) {
    TempDir dir;
    const std::string garbage =
        dir.Write("garbage.ini", Bytes{0, 0xFF, '[', '\n', '=', 0x80, '\r', ']', 0});
    EXPECT_EQ(ReadIniValue(garbage, "Version", "Application", "dflt"), "dflt");
    EXPECT_EQ(ReadIniValue(dir.File("missing.ini"), "Version", "Application", "dflt"), "dflt");
    EXPECT_EQ(ReadIniValue(dir.path(), "Version", "Application", "dflt"), "dflt");
    EXPECT_THROW(ReadIniFile(dir.path()), AppError);
}

}  // namespace
}  // namespace gft::test
