// The application shell on the real window: About, Visit Home, the settings
// menus, Exit and the one shutdown, the help and abort ends of start-up.
#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTest>
#include <QUrl>
#include <cstdio>
#include <filesystem>

#include "app/about.h"
#include "app/command_line.h"
#include "app/ini_file.h"
#include "main/startup_outcome.h"
#include "window_harness.h"

namespace gft::test {

namespace {

std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string FileText(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        text += static_cast<char>(c);
    return text;
}

}  // namespace

// Stands in for the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public slots:
    void open(const QUrl& url) { urls << url; }
};

class ShellTest : public QObject {
    Q_OBJECT

  private slots:
    void aboutAndHomePageShowTheReadme();
    void settingsMenusWriteAndApplyTheFile();
    void exitEndsTheRunOnceWithoutAskingAndSavesTheSettings();
    void helpPrintsTheTextBeforeTheBoxAndEndsWithItsStatus();
    void abortShowsTheLastLogLine();
};

void ShellTest::aboutAndHomePageShowTheReadme() {
    WindowHarness h;
    const std::size_t logLines = h.session().LogLines().size();
    QTest::keyClick(h.window.get(), Qt::Key_F1);
    const std::string about = AboutText(h.session().ProgramFolder);
    QCOMPARE(h.dialogs->messages.size(), std::size_t{1});
    QCOMPARE(h.dialogs->messages[0],
             qMakePair(QString("Grind FNT Tool"), QString::fromStdString(about)));
    QVERIFY(about.starts_with("Grind FNT Tool v0.0.150 WIP Beta \r\n"));

    UrlCatcher browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    h.Find<QAction>("mnuHomePage")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(browser.urls.size(), 1);
    const QUrl& url = browser.urls[0];
    QVERIFY(url.isLocalFile());
    QCOMPARE(QFileInfo(url.toLocalFile()).fileName(), QString("README.md"));
    QVERIFY2(QFileInfo::exists(url.toLocalFile()), qPrintable(url.toString()));
    QVERIFY(about.ends_with(url.toEncoded().toStdString()));
    QCOMPARE(h.session().LogLines().size(), logLines);  // neither logs
}

void ShellTest::settingsMenusWriteAndApplyTheFile() {
    WindowHarness h;
    QTest::mouseClick(h.Find<QCheckBox>("chkCompress"), Qt::LeftButton);
    // The settings folder's parents (home/.config) do not exist yet.
    h.Find<QAction>("mnuSaveSettings")->trigger();
    QCOMPARE(ReadIniValue(h.SettingsFile(), "Options", "SkipDuplicates", ""), std::string("0"));
    QCOMPARE(ReadIniValue(h.SettingsFile(), "Paths", "Source", ""), h.fontPath);

    WriteIniValue(h.SettingsFile(), "Options", "ShowInvisibleParts", "1");
    WriteIniValue(h.SettingsFile(), "Options", "SkipDuplicates", "1");
    QCOMPARE(h.TileAt(65)->Image().size(), QSize(5, 8));
    h.Find<QAction>("mnuLoadSettings")->trigger();
    QVERIFY(h.Find<QAction>("mnuDontCutBitmaps")->isChecked());
    QVERIFY(h.Find<QCheckBox>("chkCompress")->isChecked());
    QCOMPARE(h.TileAt(65)->Image().size(), QSize(8, 8));  // redrawn, invisible part shown
}

void ShellTest::exitEndsTheRunOnceWithoutAskingAndSavesTheSettings() {
    WindowHarness h;
    QTest::keyClick(h.window.get(), Qt::Key_F5, Qt::ControlModifier);  // top gap +: unsaved
    QVERIFY(h.window->windowTitle().endsWith(" (*)"));
    QTest::keyClick(h.window.get(), Qt::Key_F4);
    QVERIFY(h.Find<QWidget>("frmCharEd")->isVisible());
    const std::string folder = h.session().TempFolder;
    QVERIFY(std::filesystem::exists(folder + "41.BMP"));
    h.dir.Write("tmp/GFTT0000/Thumbs.db", Bytes{1});

    h.Find<QAction>("mnuExit")->trigger();
    QVERIFY(!h.window->isVisible());
    QVERIFY(!h.Find<QWidget>("frmCharEd")->isVisible());
    QVERIFY(h.dialogs->messages.empty() && h.dialogs->informations.empty());
    QVERIFY(!std::filesystem::exists(folder));
    const std::string ini = ReadText(h.SettingsFile());
    const auto version = ini.find("[Version]"), paths = ini.find("[Paths]"),
               options = ini.find("[Options]");
    QVERIFY(version == 0 && version < paths && paths < options && options != std::string::npos);
    QCOMPARE(ReadIniValue(h.SettingsFile(), "Paths", "Source", ""), h.fontPath);

    // Closed once: neither another close nor the window's end saves again.
    std::filesystem::remove(h.SettingsFile());
    h.window->close();
    h.window.reset();
    QVERIFY(!std::filesystem::exists(h.SettingsFile()));
}

void ShellTest::helpPrintsTheTextBeforeTheBoxAndEndsWithItsStatus() {
    const std::pair<std::string, int> cases[] = {
        {"--help", 0}, {"/HELP", 0}, {"-x", 2}, {"missing.fnt", 2}};
    std::string expected = CommandLineHelpText() + "\n";
    for (std::size_t at = expected.find('\r'); at != std::string::npos; at = expected.find('\r'))
        expected.erase(at, 1);
    for (const auto& [argument, status] : cases) {
        WindowHarness h(std::vector<std::string>{argument});
        QCOMPARE(h.window->startup().action, StartupAction::Help);
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        std::string printedBeforeTheBox;
        h.dialogs->whileInformationShown = [&] { printedBeforeTheBox = FileText(out); };
        const auto result =
            ui::EndOfStartup(h.window->startup(), h.session(), *h.dialogs, out, err);
        QCOMPARE(result, std::optional<int>(status));
        QCOMPARE(printedBeforeTheBox, expected);
        QCOMPARE(FileText(err), std::string());
        QCOMPARE(h.dialogs->informations.size(), std::size_t{1});
        QCOMPARE(
            h.dialogs->informations[0],
            qMakePair(QString("Grind FNT Tool"), QString::fromStdString(CommandLineHelpText())));
        QVERIFY(!h.window->isVisible());
        QVERIFY(!std::filesystem::exists(h.dir.File("tmp/GFTT0000")));
        h.window.reset();  // ends without saving the settings
        QVERIFY(!std::filesystem::exists(h.SettingsFile()));
        std::fclose(out);
        std::fclose(err);
    }
}

void ShellTest::abortShowsTheLastLogLine() {
    WindowHarness h(false);
    h.session().Log("ERROR: Make shure your Temporary Folder is Empty!");
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const StartupResult abort{StartupAction::Abort, 1};
    QCOMPARE(ui::EndOfStartup(abort, h.session(), *h.dialogs, out, err), std::optional<int>(1));
    QCOMPARE(FileText(err), std::string("ERROR: Make shure your Temporary Folder is Empty!\n"));
    QCOMPARE(FileText(out), std::string());
    QCOMPARE(h.dialogs->messages.size(), std::size_t{1});
    QCOMPARE(h.dialogs->messages[0].second,
             QString("ERROR: Make shure your Temporary Folder is Empty!"));
    QCOMPARE(ui::EndOfStartup(StartupResult{}, h.session(), *h.dialogs, out, err), std::nullopt);
    std::fclose(out);
    std::fclose(err);
}

}  // namespace gft::test

QTEST_MAIN(gft::test::ShellTest)
#include "shell_gui_test.moc"
