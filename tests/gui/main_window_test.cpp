// The main window driven through its real widgets: menus, shortcuts, option
// pairs, tiles, drops, hover, log and Esc, with dialogs answered by a fake.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "font/fnt_writer.h"
#include "main/dialogs.h"
#include "main/main_area.h"
#include "window_harness.h"

namespace gft::test {

QStringList WindowHarness::LogTexts() const {
    QStringList lines;
    auto* log = Find<QListWidget>(QStringLiteral("lstLog"));
    for (int i = 0; i < log->count(); ++i)
        lines << log->item(i)->text();
    lines.removeIf([](const QString& line) { return line.startsWith("Preview generated"); });
    return lines;
}

namespace {

// A drag entering target and dropped there, as a file manager does it.
void Drop(QWidget* target, QMimeData* mime) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// A double-click on a log line as the list's viewport receives it.
void DoubleClickLine(QListWidget* log, const QString& text) {
    const auto items = log->findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    log->scrollToItem(items[0]);
    QCoreApplication::processEvents();
    const QPointF at = log->visualItemRect(items[0]).center();
    const QPointF global = log->viewport()->mapToGlobal(at);
    for (QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(log->viewport(), &event);
    }
}

void Hover(QWidget* tile) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), tile->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tile, &move);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsBlankAndLoadsTheFontNamedOnTheCommandLine();
    void menuItemsHaveTheirCaptionsKeysAndStates();
    void optionBoxesAndMenuMarksStayInStep();
    void shortcutsRunTheirCommands();
    void fileButtonsAskThroughTheSeam();
    void dropsLoadTheFirstLocalFileAndIgnoreTheRest();
    void hoverShowsLabelAndZoom();
    void escapeCancelsPickUpKeepsUnsavedAndClosesWhenClean();
    void logDoubleClickOpensEditorOrShowsMessage();
    void baseFontDialogChangesTheHoverLabel();
    void gridStaysSquareAndTilesAre24AtTheDefaultSize();
    void fileFiltersTranslateToQt();
};

void MainWindowTest::startsBlankAndLoadsTheFontNamedOnTheCommandLine() {
    std::string folder;
    {
        WindowHarness h(false);
        QCOMPARE(h.window->windowTitle(), QString("Grind FNT Tool v0.0.150"));
        QCOMPARE(h.Find<QLabel>("lblStatusBar")->text(),
                 QString("Load FNT (use Button / Drag and Drop / Command Line)"));
        QCOMPARE(h.LogTexts(),
                 (QStringList{"Grind FNT Tool v0.0.150 loaded",
                              "Load FNT (use Button / Drag and Drop / Command Line)"}));
        QCOMPARE(h.Find<QLabel>("lblTime")->text(), QString("(0,000 sec)"));
        QCOMPARE(h.TileAt(255)->Image(), ui::BlankTileImage());
        QCOMPARE(h.TileAt(255)->Image().pixelColor(0, 0), QColor(192, 192, 192));
        folder = h.session().TempFolder;
        QCOMPARE(folder, h.dir.File("tmp/GFTT0000/"));
        QVERIFY(std::filesystem::is_directory(folder));
        h.window.reset();  // gone without a close: the run still ends
        QVERIFY(!std::filesystem::exists(folder));
        QVERIFY(std::filesystem::exists(h.SettingsFile()));
    }

    WindowHarness h;
    QCOMPARE(h.window->windowTitle(),
             QString("Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:8 Max WIDTH:17)"));
    QCOMPARE(h.session().FilePaths[kModeLoad], h.fontPath);
    // Tile 65: width 5, ink in the first four columns, dark grey beside it.
    const QImage& a = h.TileAt(65)->Image();
    QCOMPARE(a.size(), QSize(5, 8));
    QCOMPARE(a.pixelColor(0, 0), QColor(255, 255, 255));
    QCOMPARE(a.pixelColor(4, 7), QColor(80, 80, 80));
    folder = h.session().TempFolder;
    h.window->close();
    QVERIFY(!std::filesystem::exists(folder));
}

void MainWindowTest::menuItemsHaveTheirCaptionsKeysAndStates() {
    WindowHarness h;
    struct Item {
        const char* name;
        const char* caption;
        const char* key;
        bool enabled;
        int checked;  // -1 not checkable
    };
    const Item items[] = {
        {"mnuNewFnt", "&New FNT", "Ctrl+N", true, -1},
        {"mnuSaveFnt", "Save FNT", "Ctrl+S", true, -1},
        {"mnuSaveFntAs", "&Save FNT as...", "Ctrl+W", true, -1},
        {"mnuUseSrcPath", "[Use source path for output]", "", true, 1},
        {"mnuMergeAll", "[Merge all (with compare)]", "", false, -1},
        {"mnuImportPix", "Pixelmap && width...", "", false, -1},
        {"mnuImportAtari", "Atar&i 8-bit FNT/F80...", "Ctrl+J", true, -1},
        {"mnuExportFony", "Bitmap for Fony...", "", false, -1},
        {"mnuHtmlGenerator", "Generate html...", "F3", false, -1},
        {"mnuSelect_2", "Invert selection", "Ctrl+I", true, -1},
        {"mnuSelectVar_0", "Select present of width 0", "", true, -1},
        {"mnuSelSpec_0", "Block \"zero\"", "", true, -1},
        {"mnuSelSpec_8", "International LC", "", true, -1},
        {"mnuSelectPL", "Polish", "Ctrl+P", true, -1},
        {"mnuCopyBlock_1", "Copy international UC over LC block", "", true, -1},
        {"mnuDelAllSelected", "Delete all selected", "Shift+Ctrl+F8", true, -1},
        {"mnuExportLok", "Export selections (lok)...", "F12", false, -1},
        {"mnuHGapU_1", "Top gap Decrease (-)", "Shift+F5", true, -1},
        {"mnuHGapD_2", "Down gap Increase (+)", "Ctrl+F6", true, -1},
        {"mnuFrames", "[Show frames]", "F7", true, 1},
        {"mnuDontCutBitmaps", "[Show invisible parts]", "Shift+F8", true, 0},
        {"mnuYellowWidthMore8", "[Width > 8 = yellow]", "F8", true, 0},
        {"mnuLogCopyLine", "Copy line", "Ctrl+C", false, -1},
        {"mnuLogAutoScroll", "[Auto scroll log]", "", true, 1},
        {"mnuAbout", "&About", "F1", true, -1},
    };
    for (const Item& item : items) {
        auto* action = h.Find<QAction>(item.name);
        QVERIFY2(action, item.name);
        QCOMPARE(action->text(), QString::fromUtf8(item.caption));
        QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(item.key)));
        QCOMPARE(action->isEnabled(), item.enabled);
        QCOMPARE(action->isCheckable(), item.checked >= 0);
        if (item.checked >= 0) QCOMPARE(action->isChecked(), item.checked == 1);
    }
    QCOMPARE(h.Find<QPushButton>("cmdSaveFNT")->toolTip(),
             QString("Save FNT & LOK if set and needed..."));
    QCOMPARE(h.Find<QPushButton>("chkFrames")->text(), QString("[Show F&rames]"));
    QVERIFY(h.Find<QCheckBox>("chkMergeAll")->isHidden());
    for (const char* name : {"imgChar_0", "imgChar_255", "imgChar_1280", "imgChar_1290",
                             "imgChar_1300", "imgChar_1310", "lblCharNo_0", "lblCharNo_1"})
        QVERIFY2(h.Find<QWidget>(name), name);
}

void MainWindowTest::optionBoxesAndMenuMarksStayInStep() {
    WindowHarness h;
    auto* box = h.Find<QCheckBox>("chkCompress");
    auto* mark = h.Find<QAction>("mnuCompress");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked() && !mark->isChecked() && !h.session().On(Toggle::Compress));
    mark->trigger();
    QVERIFY(box->isChecked() && mark->isChecked() && h.session().On(Toggle::Compress));

    // "Use source path" logs when it becomes set, through box or menu.
    h.Find<QAction>("mnuUseSrcPath")->trigger();
    QVERIFY(!h.Find<QCheckBox>("chkUseSrcPath")->isChecked());
    QTest::mouseClick(h.Find<QCheckBox>("chkUseSrcPath"), Qt::LeftButton);
    QCOMPARE(h.LogTexts().last(), QString("Output path set to input"));
    QCOMPARE(h.session().FilePaths[kModeSave], h.fontPath);

    // Frames: tiles and the picked-up image follow, the zoom never.
    auto* frames = h.Find<QPushButton>("chkFrames");
    QVERIFY(frames->isChecked() && h.TileAt(0)->Framed());
    QTest::mouseClick(frames, Qt::LeftButton);
    QVERIFY(!h.Find<QAction>("mnuFrames")->isChecked());
    QVERIFY(!h.TileAt(0)->Framed() && !h.Find<ui::ImageBox>("imgChar_1290")->Framed());
    h.Find<QAction>("mnuFrames")->trigger();
    QVERIFY(frames->isChecked() && h.TileAt(200)->Framed());
    QVERIFY(h.Find<ui::ImageBox>("imgChar_1290")->Framed());
    QVERIFY(!h.Find<ui::ImageBox>("imgChar_1280")->Framed());

    // Auto scroll: the twin pair, and the newest line kept in view.
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
    h.Find<QAction>("mnuLogAutoScroll")->trigger();
    QVERIFY(h.Find<QCheckBox>("chkLogAutoScroll")->isChecked());
}

void MainWindowTest::shortcutsRunTheirCommands() {
    WindowHarness h;
    QTest::keyClick(h.window.get(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(h.dialogs->fileRequests.size(), std::size_t{1});
    QCOMPARE(h.dialogs->fileRequests[0].title, std::string(kSaveDialogTitle));
    QVERIFY(h.dialogs->fileRequests[0].save);

    QTest::keyClick(h.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(h.dialogs->fileRequests.back().title,
             std::string("Select Grindlemoor FNT file to Load"));

    QTest::keyClick(h.window.get(), Qt::Key_F8);  // "[Width > 8 = yellow]"
    QVERIFY(h.Find<QAction>("mnuYellowWidthMore8")->isChecked());
    QCOMPARE(h.TileAt(97)->Image().pixelColor(0, 0), QColor(255, 255, 128));
    QCOMPARE(h.LogTexts().last(), QString("2 characters have width bigger than 8"));

    // The log list has keys of its own; the menu's shortcuts win over them.
    auto* log = h.Find<QListWidget>("lstLog");
    log->setFocus();
    QSignalSpy selectAll(h.Find<QAction>("mnuSelect_0"), &QAction::triggered);
    QTest::keyClick(log, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(selectAll.count(), 1);
    QTest::keyClick(log, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(h.LogTexts(), QStringList{"Log cleared"});
    QTest::keyClick(h.window.get(), Qt::Key_F5);
    QCOMPARE(h.LogTexts(), (QStringList{"Log cleared", "Character 64 width is 17 > 16"}));
    QCOMPARE(h.Find<QLabel>("lblTime")->text().left(3), QString("(0."));
}

void MainWindowTest::fileButtonsAskThroughTheSeam() {
    WindowHarness h(false);
    QTest::mouseClick(h.Find<QPushButton>("cmdMergeFNT"), Qt::LeftButton);
    QVERIFY(h.dialogs->fileRequests.empty());  // no font: no merge dialog

    h.dialogs->files.push_back(std::nullopt);
    QTest::mouseClick(h.Find<QPushButton>("cmdLoadFNT"), Qt::LeftButton);
    QCOMPARE(h.dialogs->fileRequests.size(), std::size_t{1});
    QVERIFY(!h.session().font.FontLoaded);

    h.dialogs->files.push_back(h.fontPath);
    h.Find<QAction>("mnuLoadFnt")->trigger();
    QVERIFY(h.session().font.FontLoaded);
    QCOMPARE(h.TileAt(65)->Image().size(), QSize(5, 8));

    const std::string saved = h.dir.File("saved.fnt");
    h.dialogs->files.push_back(saved);
    QTest::mouseClick(h.Find<QPushButton>("cmdSaveFNT"), Qt::LeftButton);
    QCOMPARE(ReadAll(saved), ReadAll(h.fontPath));
}

void MainWindowTest::dropsLoadTheFirstLocalFileAndIgnoreTheRest() {
    WindowHarness h(false);
    auto* onTile = new QMimeData;
    onTile->setUrls({QUrl::fromLocalFile(QString::fromStdString(h.fontPath)),
                     QUrl::fromLocalFile("/nonexistent/other.fnt")});
    Drop(h.TileAt(10), onTile);
    QVERIFY(h.session().font.FontLoaded);
    QCOMPARE(h.session().FilePaths[kModeLoad], h.fontPath);

    for (QMimeData* odd : {new QMimeData, new QMimeData}) {
        odd->setText("just text");
        Drop(h.window.get(), odd);
        delete odd;
    }
    auto* web = new QMimeData;
    web->setUrls({QUrl("https://example.org/font.fnt")});
    Drop(h.Find<QPushButton>("cmdLoadFNT"), web);
    const QStringList log = h.LogTexts();
    QCOMPARE(log.count("Nothing to load: the drop holds no file"), 3);
    QVERIFY(h.session().font.FontLoaded);
    delete onTile;
    delete web;

    const std::string taller = h.dir.Write("taller.fnt", FntBuilder(12).Set(65, 4).Build());
    auto* again = new QMimeData;
    again->setUrls({QUrl::fromLocalFile(QString::fromStdString(taller))});
    Drop(h.window.get(), again);
    QVERIFY(h.window->windowTitle().contains("HEIGHT:12"));
    delete again;
}

void MainWindowTest::hoverShowsLabelAndZoom() {
    WindowHarness h;
    auto* label = h.Find<QLabel>("lblCharNo_1");
    auto* zoom = h.Find<ui::ImageBox>("imgChar_1280");
    Hover(h.TileAt(65));
    QCOMPARE(label->text(), QString("\"A\" $41 #65"));
    QCOMPARE(zoom->size(), QSize(5 * 6, 8 * 6));
    QCOMPARE(zoom->Image().size(), QSize(5, 8));
    Hover(h.TileAt(38));
    QCOMPARE(label->text(), QString("\"&\" $26 #38"));
    QCOMPARE(zoom->size(), QSize(6 * 6, 8 * 6));
    h.Find<QAction>("mnuDontCutBitmaps")->trigger();
    Hover(h.TileAt(65));
    QCOMPARE(zoom->size(), QSize(8 * 6, 8 * 6));

    QTest::mouseClick(h.TileAt(65), Qt::RightButton);  // selects and refreshes 65
    QCOMPARE(label->text(), QString("\"A\" $41 #65 L"));
    QCOMPARE(h.TileAt(65)->Image().pixelColor(7, 0), QColor(28, 113, 198));
}

void MainWindowTest::escapeCancelsPickUpKeepsUnsavedAndClosesWhenClean() {
    WindowHarness h;
    auto* pickUp = h.Find<QLabel>("lblCharNo_0");
    QTest::mouseClick(h.TileAt(65), Qt::LeftButton);
    QCOMPARE(pickUp->text(), QString("#65 ($41)"));
    QCOMPARE(h.window->parts().grid->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(h.Find<ui::ImageBox>("imgChar_1290")->Image().size(), QSize(5, 8));
    QTest::keyClick(h.window.get(), Qt::Key_Escape);
    QVERIFY(h.window->isVisible());
    QCOMPARE(pickUp->text(), QString());
    QVERIFY(h.Find<ui::ImageBox>("imgChar_1290")->Image().isNull());
    QCOMPARE(h.window->parts().grid->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(h.TileAt(66), Qt::RightButton);  // selection only: unsaved
    QVERIFY(h.window->windowTitle().endsWith(" (=)"));
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

    QTest::mouseClick(h.TileAt(97), Qt::MiddleButton);
    QCOMPARE(int(h.session().EditorChar), 97);
    QCOMPARE(h.session().editor.EditChr.Width, 9);

    DoubleClickLine(log, "FNT Loaded");
    QCOMPARE(h.dialogs->messages.size(), std::size_t{1});
    QCOMPARE(h.dialogs->messages[0], qMakePair(QString("Grind FNT Tool"), QString("FNT Loaded")));
}

void MainWindowTest::baseFontDialogChangesTheHoverLabel() {
    WindowHarness h;
    auto* label = h.Find<QLabel>("lblCharNo_1");
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSizeF(), 18.0);
    QTest::mouseDClick(label, Qt::LeftButton);  // cancelled
    QCOMPARE(h.dialogs->fontRequests.size(), std::size_t{1});
    QCOMPARE(h.dialogs->fontRequests[0].name, std::string("Fixedsys"));
    QCOMPARE(label->font().pointSizeF(), 18.0);

    h.dialogs->fonts.push_back(BaseFont{"DejaVu Sans Mono", 12, false});
    QTest::keyClick(h.window.get(), Qt::Key_F2);
    QCOMPARE(h.dialogs->fontRequests.size(), std::size_t{2});
    QCOMPARE(label->font().pointSizeF(), 12.0);
    QVERIFY(!label->font().bold());
    QCOMPARE(h.session().options.baseFont.name, std::string("DejaVu Sans Mono"));
}

void MainWindowTest::gridStaysSquareAndTilesAre24AtTheDefaultSize() {
    const ui::MainGeometry g = ui::ComputeMainGeometry(QSize(684, 413), 292);
    QCOMPARE(g.grid, QRect(0, 0, 392, 392));
    QCOMPARE(g.panel, QRect(392, 0, 292, 392));
    QCOMPARE(g.status, QRect(0, 392, 684, 21));
    const ui::MainGeometry big = ui::ComputeMainGeometry(QSize(1200, 829), 292);
    QCOMPARE(big.grid, QRect(0, 0, 8 + 16 * 50, 8 + 16 * 50));
    QCOMPARE(big.panel.width(), 1200 - 808);
    const ui::MainGeometry wide = ui::ComputeMainGeometry(QSize(2000, 300), 292);
    QCOMPARE(wide.grid.width(), wide.grid.height());

    WindowHarness h;
    QCOMPARE(h.window->centralWidget()->size(), h.window->DefaultClientSize());
    QCOMPARE(h.TileAt(0)->size(), QSize(24, 24));
    QCOMPARE(h.TileAt(17)->pos(), QPoint(4 + 24, 4 + 24));
    h.window->resize(h.window->width() + 400, h.window->height() + 400);
    QCoreApplication::processEvents();
    QVERIFY(h.TileAt(0)->width() > 24);
    QCOMPARE(h.TileAt(0)->width(), h.TileAt(0)->height());
}

void MainWindowTest::fileFiltersTranslateToQt() {
    QCOMPARE(ui::QtNameFilters("All Supported Atari Fonts (*.fnt;*.f80)|*.fnt;*.f80|"
                               "All files (*.*)|*.*"),
             (QStringList{"All Supported Atari Fonts (*.fnt *.f80)", "All files (*)"}));
    QCOMPARE(ui::SplitInitialName("/a/b/*.fnt").file, QString());
    QCOMPARE(ui::SplitInitialName("/a/b/*.fnt").folder, QString("/a/b"));
    QCOMPARE(ui::SplitInitialName("/a/b/x.fnt").file, QString("/a/b/x.fnt"));
}

}  // namespace gft::test

QTEST_MAIN(gft::test::MainWindowTest)
#include "main_window_test.moc"
