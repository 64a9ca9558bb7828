// The main window driven through its real widgets: menus, shortcuts, option
// pairs, tiles, drops, hover, log and Esc, with dialogs answered by a fake.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "commands/files/recovery.h"
#include "format/tile_bitmap.h"
#include "support/version.h"
#include "ui/main/dialogs.h"
#include "ui/main/main_area.h"
#include "window_harness.h"

namespace gft::test {

namespace {

// A drag entering target and dropped there, as a file manager does it.
void Drop(QWidget* target, const QList<QUrl>& urls, const QString& text = {}) {
    QMimeData mime;
    if (!urls.isEmpty()) mime.setUrls(urls);
    if (!text.isEmpty()) mime.setText(text);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

QUrl Local(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

// A double-click on a log line as the list's viewport receives it.
void DoubleClickLine(QListWidget* log, const QString& text) {
    const auto items = log->findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    log->scrollToItem(items[0]);
    QCoreApplication::processEvents();
    const QPointF at = log->visualItemRect(items[0]).center();
    for (QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, log->viewport()->mapToGlobal(at), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(log->viewport(), &event);
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsBlankAndLoadsTheFontNamedOnTheCommandLine();
    void tileFilesFollowTheFirstPaintAndAreNeverReadBack();
    void optionBoxesAndMenuMarksStayInStep();
    void shortcutsRunTheirCommands();
    void buttonsAndDropsLoadAndSave();
    void hoverShowsLabelAndZoomInTheBaseFont();
    void escapeClosesOnlyWhenNothingIsUnsaved();
    void logDoubleClickOpensEditorOrShowsMessage();  // and Copy line
    void gridStaysSquareAndTilesAre24AtTheDefaultSize();
    void fileFiltersTranslateToQt();
    void keptChangesAreListedAndRecoveredFromTheFileMenu();
};

void MainWindowTest::startsBlankAndLoadsTheFontNamedOnTheCommandLine() {
    std::string folder;
    {
        WindowHarness h(false);
        QCOMPARE(h.window->windowTitle(), QString::fromStdString(ProgramCaption()));
        QCOMPARE(h.Text("lblStatusBar"),
                 QString("Load FNT (use Button / Drag and Drop / Command Line)"));
        QCOMPARE(h.Text("lblTime"), QString("(0,000 sec)"));
        QCOMPARE(h.Tile(255).Image(), ui::BlankTileImage());
        QVERIFY(!h.Find<QAction>("mnuExportBmp")->isEnabled());  // nothing to export yet
        folder = h.session().TempFolder;
        QVERIFY(std::filesystem::is_directory(folder));
        h.window.reset();  // gone without a close: the run still ends
        QVERIFY(!std::filesystem::exists(folder));
        QVERIFY(std::filesystem::exists(h.SettingsFile()));
    }

    WindowHarness h;
    QCOMPARE(h.window->windowTitle(),
             QString::fromStdString(ProgramCaption() + " (FNT loaded, HEIGHT:8 Max WIDTH:17)"));
    QVERIFY(h.Find<QAction>("mnuExportBmp")->isEnabled());
    // Tile 65: width 5, ink in the first four columns, dark grey beside it.
    const QImage& a = h.Tile(65).Image();
    QCOMPARE(a.size(), QSize(5, 8));
    QCOMPARE(a.pixelColor(0, 0), QColor(255, 255, 255));
    QCOMPARE(a.pixelColor(4, 7), QColor(80, 80, 80));
    folder = h.session().TempFolder;
    h.window->close();
    QVERIFY(!std::filesystem::exists(folder));
}

// The grid is drawn from the tile bitmaps in memory; their files are written
// right after the window's first paint, and no redraw reads one back.
void MainWindowTest::tileFilesFollowTheFirstPaintAndAreNeverReadBack() {
    WindowHarness h(true, false);
    const std::string folder = h.session().TempFolder;
    // The folder holds the window's lock file and, before the first paint,
    // nothing else.
    const std::size_t lock = FolderEntries(folder).size();
    QCOMPARE(lock, std::size_t{1});
    QCOMPARE(h.Tile(65).Image().size(), QSize(5, 8));
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    QTRY_COMPARE(FolderEntries(folder).size(), lock + 256);
    for (int code = 0; code < 256; ++code)
        QCOMPARE(ReadAll(folder + TileFileName(code)),
                 BuildTileBitmap(h.session().font, code, TileOptions{}));

    std::ofstream(folder + "41.BMP", std::ios::binary) << "spoilt";
    h.Key(Qt::Key_F5);
    QCOMPARE(h.Tile(65).Image().size(), QSize(5, 8));
    h.HoverTile(65);
    QCOMPARE(h.Find<ui::ImageBox>("imgChar_1280")->Image().size(), QSize(5, 8));
}

void MainWindowTest::optionBoxesAndMenuMarksStayInStep() {
    WindowHarness h;
    auto* box = h.Find<QCheckBox>("chkCompress");
    auto* mark = h.Find<QAction>("mnuCompress");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked() && !mark->isChecked() && !h.session().On(Toggle::Compress));
    mark->trigger();
    QVERIFY(box->isChecked() && mark->isChecked() && h.session().On(Toggle::Compress));

    // Frames: tiles and the picked-up image follow, the zoom never.
    auto* frames = h.Find<QPushButton>("chkFrames");
    QVERIFY(frames->isChecked() && h.Tile(0).Framed());
    QTest::mouseClick(frames, Qt::LeftButton);
    QVERIFY(!h.Find<QAction>("mnuFrames")->isChecked());
    QVERIFY(!h.Tile(0).Framed() && !h.Find<ui::ImageBox>("imgChar_1290")->Framed());
    h.Find<QAction>("mnuFrames")->trigger();
    QVERIFY(frames->isChecked() && h.Tile(200).Framed());
    QVERIFY(h.Find<ui::ImageBox>("imgChar_1290")->Framed());
    QVERIFY(!h.Find<ui::ImageBox>("imgChar_1280")->Framed());

    // Auto scroll: the newest line kept in view, or not.
    auto* log = h.Find<QListWidget>("lstLog");
    for (int i = 0; i < 60; ++i)
        h.session().Log("line " + std::to_string(i));
    QCoreApplication::processEvents();
    QCOMPARE(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());
    QTest::mouseClick(h.Find<QCheckBox>("chkLogAutoScroll"), Qt::LeftButton);
    QVERIFY(!h.Find<QAction>("mnuLogAutoScroll")->isChecked());
    log->scrollToTop();
    h.session().Log("one more");
    QCoreApplication::processEvents();
    QCOMPARE(log->verticalScrollBar()->value(), 0);
}

void MainWindowTest::shortcutsRunTheirCommands() {
    WindowHarness h;
    h.Key(Qt::Key_W, Qt::ControlModifier);
    QVERIFY(h.dialogs->fileRequests.at(0).save);

    h.Key(Qt::Key_F8);  // "[Width > 8 = yellow]"
    QVERIFY(h.Find<QAction>("mnuYellowWidthMore8")->isChecked());
    QCOMPARE(h.Tile(97).Image().pixelColor(0, 0), QColor(255, 255, 128));

    // The log list has keys of its own; the menu's shortcuts win over them.
    auto* log = h.Find<QListWidget>("lstLog");
    log->setFocus();
    QSignalSpy selectAll(h.Find<QAction>("mnuSelect_0"), &QAction::triggered);
    QTest::keyClick(log, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(selectAll.count(), 1);
    QTest::keyClick(log, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(h.LogTexts(), QStringList{"Log cleared"});
    h.Key(Qt::Key_F5);
    QCOMPARE(h.LogTexts(), (QStringList{"Log cleared", "Character 64 width is 17 > 16"}));
    QCOMPARE(h.Text("lblTime").left(3), QString("(0."));
}

void MainWindowTest::buttonsAndDropsLoadAndSave() {
    WindowHarness h(false);
    h.dialogs->files.push_back(std::nullopt);
    QTest::mouseClick(h.Find<QPushButton>("cmdLoadFNT"), Qt::LeftButton);
    QCOMPARE(h.dialogs->fileRequests.size(), std::size_t{1});
    QVERIFY(!h.session().font.FontLoaded);

    // A drop on a tile loads the first local file; text or a web address is no file.
    Drop(h.Grid(), {Local(h.fontPath), QUrl::fromLocalFile("/nonexistent/other.fnt")});
    QCOMPARE(h.session().FilePaths[kModeLoad], h.fontPath);
    QCOMPARE(h.Tile(65).Image().size(), QSize(5, 8));
    Drop(h.window.get(), {}, "just text");
    Drop(h.Find<QPushButton>("cmdLoadFNT"), {QUrl("https://example.org/font.fnt")});
    QCOMPARE(h.LogTexts().count("Nothing to load: the drop holds no file"), 2);
    QVERIFY(h.session().font.FontLoaded);

    const std::string saved = h.dir.File("saved.fnt");
    h.dialogs->files.push_back(saved);
    QTest::mouseClick(h.Find<QPushButton>("cmdSaveFNT"), Qt::LeftButton);
    QCOMPARE(ReadAll(saved), ReadAll(h.fontPath));
}

void MainWindowTest::hoverShowsLabelAndZoomInTheBaseFont() {
    WindowHarness h;
    auto* label = h.Find<QLabel>("lblCharNo_1");
    auto* zoom = h.Find<ui::ImageBox>("imgChar_1280");
    h.HoverTile(38);
    QCOMPARE(label->text(), QString("\"&\" $26 #38"));
    QCOMPARE(zoom->size(), QSize(6 * 6, 8 * 6));
    QCOMPARE(zoom->Image().size(), QSize(6, 8));
    h.Find<QAction>("mnuDontCutBitmaps")->trigger();
    h.HoverTile(65);
    QCOMPARE(zoom->size(), QSize(8 * 6, 8 * 6));

    h.ClickTile(65, Qt::RightButton);  // selects and refreshes 65
    QCOMPARE(label->text(), QString("\"A\" $41 #65 L"));

    // The base font dialog, by a double-click on the label or F2.
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSizeF(), 18.0);
    QTest::mouseDClick(label, Qt::LeftButton);  // cancelled
    QCOMPARE(h.dialogs->fontRequests.size(), std::size_t{1});
    QCOMPARE(label->font().pointSizeF(), 18.0);
    h.dialogs->fonts.push_back(BaseFont{"DejaVu Sans Mono", 12, false});
    h.Key(Qt::Key_F2);
    QCOMPARE(label->font().pointSizeF(), 12.0);
    QVERIFY(!label->font().bold());
}

void MainWindowTest::escapeClosesOnlyWhenNothingIsUnsaved() {
    WindowHarness h;
    h.ClickTile(66, Qt::RightButton);  // selection only: unsaved
    QTest::keyClick(h.Find<QListWidget>("lstLog"), Qt::Key_Escape);
    QVERIFY(h.window->isVisible());

    h.dialogs->files.push_back(h.dir.File("out.fnt"));
    h.Find<QAction>("mnuSaveFntAs")->trigger();
    QTest::keyClick(h.Find<QPushButton>("cmdLoadFNT"), Qt::Key_Escape);
    QVERIFY(!h.window->isVisible());
}

void MainWindowTest::logDoubleClickOpensEditorOrShowsMessage() {
    WindowHarness h;
    auto* log = h.Find<QListWidget>("lstLog");
    DoubleClickLine(log, "Character 64 width is 17 > 16");
    QCOMPARE(int(h.session().EditorChar), 64);
    QVERIFY(h.Find<QWidget>("frmCharEd")->isVisible());

    DoubleClickLine(log, "FNT Loaded");
    QCOMPARE(h.dialogs->messages.size(), std::size_t{1});
    QCOMPARE(h.dialogs->messages[0], qMakePair(QString("Grind FNT Tool"), QString("FNT Loaded")));

    // Copy line takes the selected line, and nothing without one.
    QApplication::clipboard()->setText(QStringLiteral("before"));
    log->clearSelection();
    h.Find<QAction>("mnuLogCopyLine")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("before"));
    log->setCurrentItem(log->findItems("FNT Loaded", Qt::MatchExactly).front());
    h.Find<QAction>("mnuLogCopyLine")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("FNT Loaded"));
}

void MainWindowTest::gridStaysSquareAndTilesAre24AtTheDefaultSize() {
    const ui::MainGeometry g = ui::ComputeMainGeometry(QSize(684, 413), 292);
    QCOMPARE(g.grid, QRect(0, 0, 392, 392));
    QCOMPARE(g.panel, QRect(392, 0, 292, 392));
    QCOMPARE(g.status, QRect(0, 392, 684, 21));
    const ui::MainGeometry wide = ui::ComputeMainGeometry(QSize(2000, 300), 292);
    QCOMPARE(wide.grid.width(), wide.grid.height());

    WindowHarness h;
    QCOMPARE(h.window->centralWidget()->height(), h.window->DefaultClientSize().height());
    QCOMPARE(h.Tile(17).geometry(), QRect(4 + 24, 4 + 24, 24, 24));
    h.window->resize(h.window->width() + 400, h.window->height() + 400);
    QCoreApplication::processEvents();
    QVERIFY(h.Tile(0).geometry().width() > 24);
    QCOMPARE(h.Tile(0).geometry().width(), h.Tile(0).geometry().height());
}

void MainWindowTest::fileFiltersTranslateToQt() {
    QCOMPARE(ui::QtNameFilters("All Supported Atari Fonts (*.fnt;*.f80)|*.fnt;*.f80|"
                               "All files (*.*)|*.*"),
             (QStringList{"All Supported Atari Fonts (*.fnt *.f80)", "All files (*)"}));
    QCOMPARE(ui::SplitInitialName("/a/b/*.fnt").file, QString());
    QCOMPARE(ui::SplitInitialName("/a/b/*.fnt").folder, QString("/a/b"));
    QCOMPARE(ui::SplitInitialName("/a/b/x.fnt").file, QString("/a/b/x.fnt"));
}

// File > "Recover unsaved changes" lists the kept changes of ended runs and
// recovers the one chosen; its items are greyed out once none is left.
void MainWindowTest::keptChangesAreListedAndRecoveredFromTheFileMenu() {
    WindowHarness h;
    {
        RecordingView view;
        Session ended(view);
        ended.SettingsFolder = h.session().SettingsFolder;
        ended.fontFile = h.dir.File("kept.fnt");
        ended.font = EmptyFont(7);
        ended.SetEditStatus(2);
        KeepRecoveryCopyNow(ended);
    }
    auto* recover = h.Find<QAction>("mnuRecover");
    LookForRecoveryCopies(h.session());
    QVERIFY(recover->isEnabled() && h.Find<QAction>("mnuDiscardRecovery")->isEnabled());
    h.dialogs->choices.push_back(0);
    recover->trigger();
    QCOMPARE(h.dialogs->choiceLists.size(), std::size_t{1});
    const QStringList& items = h.dialogs->choiceLists[0];
    QCOMPARE(items.size(), 1);
    QVERIFY(items[0].startsWith(QString::fromStdString("1: " + h.dir.File("kept.fnt") + ", ")));
    QVERIFY(items[0].endsWith(", height 7"));
    QVERIFY(h.window->windowTitle().contains("HEIGHT:7"));
    QVERIFY(!recover->isEnabled());
}

}  // namespace gft::test

QTEST_MAIN(gft::test::MainWindowTest)
#include "main_window_test.moc"
