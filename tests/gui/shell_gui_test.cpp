// The application shell on the real window: About, Visit Home, the settings
// menus, Exit and the one shutdown, and the abort end of start-up. The help
// ends of start-up run on a real X server in shell_e2e.sh.
#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTest>
#include <QUrl>
#include <cstdio>
#include <filesystem>

#include "commands/window/about.h"
#include "format/ini_file.h"
#include "ui/main/startup_outcome.h"
#include "window_harness.h"

namespace gft::test {

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
    void abortShowsTheLastLogLine();
};

void ShellTest::aboutAndHomePageShowTheReadme() {
    WindowHarness h;
    const std::size_t logLines = h.session().LogLines().size();
    h.Key(Qt::Key_F1);
    const std::string about = AboutText(h.session().ProgramFolder);
    QCOMPARE(h.dialogs->messages.size(), std::size_t{1});
    QCOMPARE(h.dialogs->messages[0].second, QString::fromStdString(about));

    UrlCatcher browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    h.Find<QAction>("mnuHomePage")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(browser.urls.size(), 1);
    QVERIFY(about.ends_with(browser.urls[0].toEncoded().toStdString()));
    QCOMPARE(h.session().LogLines().size(), logLines);  // neither logs
}

void ShellTest::settingsMenusWriteAndApplyTheFile() {
    WindowHarness h;
    QTest::mouseClick(h.Find<QCheckBox>("chkCompress"), Qt::LeftButton);
    h.Find<QAction>("mnuSaveSettings")->trigger();
    QCOMPARE(ReadIniValue(h.SettingsFile(), "Options", "SkipDuplicates", ""), std::string("0"));

    WriteIniValue(h.SettingsFile(), "Options", "ShowInvisibleParts", "1");
    WriteIniValue(h.SettingsFile(), "Options", "SkipDuplicates", "1");
    h.Find<QAction>("mnuLoadSettings")->trigger();
    QVERIFY(h.Find<QAction>("mnuDontCutBitmaps")->isChecked());
    QVERIFY(h.Find<QCheckBox>("chkCompress")->isChecked());
    QCOMPARE(h.Tile(65).Image().size(), QSize(8, 8));  // redrawn, invisible part shown
}

void ShellTest::exitEndsTheRunOnceWithoutAskingAndSavesTheSettings() {
    WindowHarness h;
    h.Key(Qt::Key_F5, Qt::ControlModifier);  // top gap +: unsaved
    h.Key(Qt::Key_F4);
    QVERIFY(h.Find<QWidget>("frmCharEd")->isVisible());
    const std::string folder = h.session().TempFolder;
    h.dir.Write("tmp/GFTT0000/Thumbs.db", Bytes{1});

    h.Find<QAction>("mnuExit")->trigger();
    QVERIFY(!h.window->isVisible());
    QVERIFY(!h.Find<QWidget>("frmCharEd")->isVisible());
    QVERIFY(h.dialogs->messages.empty() && h.dialogs->informations.empty());
    QVERIFY(!std::filesystem::exists(folder));
    QCOMPARE(ReadIniValue(h.SettingsFile(), "Paths", "Source", ""), h.fontPath);

    // Closed once: neither another close nor the window's end saves again.
    std::filesystem::remove(h.SettingsFile());
    h.window->close();
    h.window.reset();
    QVERIFY(!std::filesystem::exists(h.SettingsFile()));
}

void ShellTest::abortShowsTheLastLogLine() {
    WindowHarness h(false);
    const std::string line = "ERROR: Make shure your Temporary Folder is Empty!";
    h.session().Log(line);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const StartupResult abort{StartupAction::Abort, 1};
    QCOMPARE(ui::EndOfStartup(abort, h.session(), *h.dialogs, out, err), std::optional<int>(1));
    QCOMPARE(std::ftell(out), 0L);
    std::rewind(err);
    char printed[80] = {};
    QVERIFY(std::fgets(printed, sizeof printed, err));
    QCOMPARE(std::string(printed), line + "\n");
    QCOMPARE(h.dialogs->messages.size(), std::size_t{1});
    QCOMPARE(h.dialogs->messages[0].second, QString::fromStdString(line));
    QCOMPARE(ui::EndOfStartup(StartupResult{}, h.session(), *h.dialogs, out, err), std::nullopt);
    std::fclose(out);
    std::fclose(err);
}

}  // namespace gft::test

QTEST_MAIN(gft::test::ShellTest)
#include "shell_gui_test.moc"
