// Undo, redo, New FNT and Save FNT through the window's own keys: the menu
// items name the step they would undo or redo, the tiles follow each step, and
// the dialogs are asked only when the command needs them. The states and
// marks of a long session are tests/cli/golden/history_session.
#include <QAction>
#include <QTest>

#include "commands/files/save_font.h"
#include "format/fnt_writer.h"
#include "support/file_helpers.h"
#include "support/version.h"
#include "window_harness.h"

namespace gft::test {

namespace {

// "caption" for an enabled item, "(caption)" for a disabled one.
QString Shown(const WindowHarness& h, const char* name) {
    auto* item = h.Find<QAction>(QString::fromLatin1(name));
    return item->isEnabled() ? item->text() : u'(' + item->text() + u')';
}

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoKeysNameTheStepAndRedrawTheTiles();
    void newFntAsksTheHeightAndSaveAsksOnlyWithoutDestination();
};

void HistoryWindowTest::undoAndRedoKeysNameTheStepAndRedrawTheTiles() {
    WindowHarness h;
    QCOMPARE(Shown(h, "mnuUndo"), QString("(Undo)"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("(Redo)"));
    const Font loaded = h.session().font;
    const QImage blank66 = h.Tile(66).Image();

    h.ClickTile(65, Qt::LeftButton);
    h.ClickTile(66, Qt::LeftButton);
    QCOMPARE(Shown(h, "mnuUndo"), QString("Undo Move character"));
    h.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.session().font, loaded);
    QCOMPARE(h.Tile(66).Image(), blank66);
    QCOMPARE(h.LastLogLine(), QString("Undo Move character"));
    QCOMPARE(Shown(h, "mnuUndo"), QString("(Undo)"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("Redo Move character"));

    h.Key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(h.session().font.Chars[66], loaded.Chars[65]);
    QCOMPARE(h.Tile(66).Image().size(), QSize(5, 8));
    QCOMPARE(Shown(h, "mnuUndo"), QString("Undo Move character"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("(Redo)"));

    // Undo while a glyph is picked up drops the pick-up first.
    h.ClickTile(38, Qt::LeftButton);
    h.Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!h.session().MovePending);
    QCOMPARE(h.Text("lblCharNo_0"), QString());
    QCOMPARE(h.session().font, loaded);
}

void HistoryWindowTest::newFntAsksTheHeightAndSaveAsksOnlyWithoutDestination() {
    WindowHarness h;
    h.ClickTile(65, Qt::RightButton);
    h.Key(Qt::Key_S, Qt::ControlModifier);  // the loaded file is the destination: no dialog
    QVERIFY(h.dialogs->fileRequests.empty());
    QCOMPARE(ReadAll(h.dir.File("font.lok")).at(65), 1);
    const QString title = h.window->windowTitle();

    h.Key(Qt::Key_N, Qt::ControlModifier);  // cancelled: the font stays
    QCOMPARE(h.dialogs->heightRequests, std::vector<int>{16});
    QCOMPARE(h.window->windowTitle(), title);

    h.dialogs->heights.push_back(12);
    h.Key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(h.window->windowTitle(),
             QString::fromStdString(ProgramCaption() + " (FNT loaded, HEIGHT:12 Max WIDTH:0)"));
    for (int c = 0; c < kGlyphCount; ++c) {
        QCOMPARE(h.Tile(c).Image().size(), QSize(1, 12));
        QCOMPARE(h.Tile(c).Image().pixelColor(0, 11), QColor(80, 80, 80));
    }

    // No destination: Ctrl+S asks as "Save FNT as..." does.
    const std::string saved = h.dir.File("new.fnt");
    h.dialogs->files.push_back(std::nullopt);
    h.Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(h.dialogs->fileRequests.size(), std::size_t{1});
    QCOMPARE(h.dialogs->fileRequests[0].title, std::string(kSaveDialogTitle));
    QCOMPARE(GetFileLength(saved), -1);
    h.dialogs->files.push_back(saved);
    h.Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(ReadAll(saved), BuildFntImage(h.session().font, true));
}

}  // namespace gft::test

QTEST_MAIN(gft::test::HistoryWindowTest)
#include "history_gui_test.moc"
