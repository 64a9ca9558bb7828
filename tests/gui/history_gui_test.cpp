// Undo, redo, New FNT and Save FNT through the window's own keys: the menu
// items name the step they would undo or redo, the tiles and the title
// follow each step, and the dialogs are asked only when the command needs them.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "editor/apply.h"
#include "editor/char_editor.h"
#include "font/fnt_writer.h"
#include "support/file_helpers.h"
#include "window_harness.h"

namespace gft::test {

namespace {

QString LastLogLine(const WindowHarness& h) {
    auto* log = h.Find<QListWidget>(QStringLiteral("lstLog"));
    return log->count() > 0 ? log->item(log->count() - 1)->text() : QString();
}

void Key(WindowHarness& h, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(h.window.get(), key, modifiers);
}

// "caption" for an enabled item, "(caption)" for a disabled one.
QString Shown(const WindowHarness& h, const char* name) {
    auto* item = h.Find<QAction>(QString::fromLatin1(name));
    return item->isEnabled() ? item->text() : u'(' + item->text() + u')';
}

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoFollowDropsBlockCopiesAndApply();
    void undoPastASaveMarksTheTitle();
    void newFntAsksTheHeightAndSaveAsksOnlyWithoutDestination();
};

void HistoryWindowTest::undoAndRedoFollowDropsBlockCopiesAndApply() {
    WindowHarness h;
    QCOMPARE(h.Find<QAction>("mnuUndo")->shortcut(), QKeySequence("Ctrl+Z"));
    QCOMPARE(h.Find<QAction>("mnuRedo")->shortcut(), QKeySequence("Ctrl+Y"));
    QCOMPARE(Shown(h, "mnuUndo"), QString("(Undo)"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("(Redo)"));
    const Font loaded = h.session().font;
    const QString plain = h.window->windowTitle();
    const QImage blank66 = h.TileAt(66)->Image();

    QTest::mouseClick(h.TileAt(65), Qt::LeftButton);
    QTest::mouseClick(h.TileAt(66), Qt::LeftButton);
    QCOMPARE(Shown(h, "mnuUndo"), QString("Undo Move character"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("(Redo)"));
    Key(h, Qt::Key_Z);
    QCOMPARE(h.session().font, loaded);
    QCOMPARE(h.TileAt(66)->Image(), blank66);
    QCOMPARE(h.window->windowTitle(), plain);
    QCOMPARE(LastLogLine(h), QString("Undo Move character"));
    QCOMPARE(Shown(h, "mnuUndo"), QString("(Undo)"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("Redo Move character"));
    Key(h, Qt::Key_Z);  // nothing left: nothing happens
    QCOMPARE(LastLogLine(h), QString("Undo Move character"));

    Key(h, Qt::Key_Y);
    QCOMPARE(h.session().font.Chars[66], loaded.Chars[65]);
    QCOMPARE(h.TileAt(66)->Image().size(), QSize(5, 8));
    QCOMPARE(h.window->windowTitle(), plain + " (*)");
    QCOMPARE(LastLogLine(h), QString("Redo Move character"));
    QCOMPARE(Shown(h, "mnuUndo"), QString("Undo Move character"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("(Redo)"));

    // Undo while a glyph is picked up drops the pick-up first.
    QTest::mouseClick(h.TileAt(38), Qt::LeftButton);
    Key(h, Qt::Key_Z);
    QVERIFY(!h.session().MovePending);
    QCOMPARE(h.Find<QLabel>("lblCharNo_0")->text(), QString());
    QCOMPARE(h.session().font, loaded);

    // A new step drops what could be redone.
    h.Find<QAction>("mnuCopyBlock_0")->trigger();
    QCOMPARE(Shown(h, "mnuUndo"), QString("Undo Copy upper case over lower case"));
    QCOMPARE(Shown(h, "mnuRedo"), QString("(Redo)"));
    const QImage tile97 = h.TileAt(97)->Image();
    Key(h, Qt::Key_Z);
    QCOMPARE(h.session().font.Chars[97], loaded.Chars[97]);
    QCOMPARE(h.TileAt(97)->Image().size(), QSize(9, 8));
    Key(h, Qt::Key_Y);
    QCOMPARE(h.TileAt(97)->Image(), tile97);
    Key(h, Qt::Key_Z);
    QCOMPARE(Shown(h, "mnuRedo"), QString("Redo Copy upper case over lower case"));

    // An Apply in the editor; the open editor shows the glyph undo brings back.
    QTest::mouseClick(h.TileAt(38), Qt::MiddleButton);
    cmdDelChr_Click(h.session());
    cmdApply_Click(h.session());
    QVERIFY(!h.session().font.Chars[38].Present);
    QCOMPARE(h.TileAt(38)->Image().size(), QSize(1, 8));
    QCOMPARE(Shown(h, "mnuUndo"), QString("Undo Apply"));
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    Key(h, Qt::Key_Z);
    QCOMPARE(h.session().font, loaded);
    QCOMPARE(h.session().editor.EditChr, loaded.Chars[38]);
    QCOMPARE(h.TileAt(38)->Image().size(), QSize(6, 8));
    QCOMPARE(Shown(h, "mnuRedo"), QString("Redo Apply"));
}

void HistoryWindowTest::undoPastASaveMarksTheTitle() {
    WindowHarness h;
    const QString plain = h.window->windowTitle();
    QTest::mouseClick(h.TileAt(200), Qt::RightButton);
    QCOMPARE(h.window->windowTitle(), plain + " (=)");
    h.Find<QAction>("mnuCopyBlock_0")->trigger();
    QCOMPARE(h.window->windowTitle(), plain + " (*)");
    Key(h, Qt::Key_S);  // the loaded file is the destination: no dialog
    QVERIFY(h.dialogs->fileRequests.empty());
    QCOMPARE(ReadAll(h.fontPath), BuildFntImage(h.session().font, true));
    QCOMPARE(h.window->windowTitle(), plain);

    QTest::mouseClick(h.TileAt(201), Qt::RightButton);
    QCOMPARE(h.window->windowTitle(), plain + " (=)");
    Key(h, Qt::Key_Z);
    QCOMPARE(h.window->windowTitle(), plain);  // the file again
    Key(h, Qt::Key_Z);
    QCOMPARE(h.window->windowTitle(), plain + " (*)");  // before the copy the file has
    QTest::keyClick(h.window.get(), Qt::Key_Escape);    // unsaved: Esc keeps the window
    QVERIFY(h.window->isVisible());
    Key(h, Qt::Key_Z);
    QCOMPARE(h.window->windowTitle(), plain + " (*)");
    QCOMPARE(Shown(h, "mnuUndo"), QString("(Undo)"));

    Key(h, Qt::Key_Y);
    Key(h, Qt::Key_Y);
    QCOMPARE(h.window->windowTitle(), plain);
    QCOMPARE(Shown(h, "mnuRedo"), QString("Redo Toggle selection"));
    QTest::keyClick(h.window.get(), Qt::Key_Escape);  // as saved: Esc closes
    QVERIFY(!h.window->isVisible());
}

void HistoryWindowTest::newFntAsksTheHeightAndSaveAsksOnlyWithoutDestination() {
    WindowHarness h;
    QCOMPARE(h.session().FilePaths[kModeSave], h.fontPath);
    QTest::mouseClick(h.TileAt(65), Qt::RightButton);
    const QString title = h.window->windowTitle();

    Key(h, Qt::Key_N);  // cancelled: the font stays
    QCOMPARE(h.dialogs->heightRequests, std::vector<int>{16});
    QCOMPARE(h.window->windowTitle(), title);
    QCOMPARE(Shown(h, "mnuUndo"), QString("Undo Toggle selection"));

    h.dialogs->heights.push_back(12);
    Key(h, Qt::Key_N);
    QCOMPARE(h.dialogs->heightRequests, (std::vector<int>{16, 16}));
    QCOMPARE(h.window->windowTitle(),
             QString("Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:12 Max WIDTH:0)"));
    QCOMPARE(LastLogLine(h), QString("New FNT created (height 12)"));
    for (int c = 0; c < kGlyphCount; ++c) {
        const CharInfo& glyph = h.session().font.Chars[c];
        QVERIFY(!glyph.Present && glyph.Width == 0 && glyph.Pixels == Bytes(12, 0));
        QCOMPARE(h.TileAt(c)->Image().size(), QSize(1, 12));
        QCOMPARE(h.TileAt(c)->Image().pixelColor(0, 11), QColor(80, 80, 80));
    }
    QCOMPARE(h.session().font.Selected[65], 0);
    QCOMPARE(Shown(h, "mnuUndo"), QString("(Undo)"));
    QCOMPARE(h.session().FilePaths[kModeSave], std::string());

    // No destination: Ctrl+S asks as "Save FNT as..." does; cancel writes nothing.
    const std::string saved = h.dir.File("new.fnt");
    h.dialogs->files.push_back(std::nullopt);
    Key(h, Qt::Key_S);
    QCOMPARE(h.dialogs->fileRequests.size(), std::size_t{1});
    QCOMPARE(h.dialogs->fileRequests[0].title, std::string(kSaveDialogTitle));
    QVERIFY(h.dialogs->fileRequests[0].save);
    QCOMPARE(GetFileLength(saved), -1);

    h.dialogs->files.push_back(saved);
    Key(h, Qt::Key_S);
    QCOMPARE(h.dialogs->fileRequests.size(), std::size_t{2});
    QCOMPARE(ReadAll(saved), BuildFntImage(h.session().font, true));

    // Now it has one: saved again without a dialog, the selection table beside.
    QTest::mouseClick(h.TileAt(66), Qt::RightButton);
    QVERIFY(h.window->windowTitle().endsWith(" (=)"));
    Key(h, Qt::Key_S);
    QCOMPARE(h.dialogs->fileRequests.size(), std::size_t{2});
    QCOMPARE(ReadAll(h.dir.File("new.lok")).at(66), 1);
    QCOMPARE(h.window->windowTitle(),
             QString("Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:12 Max WIDTH:0)"));
}

}  // namespace gft::test

QTEST_MAIN(gft::test::HistoryWindowTest)
#include "history_gui_test.moc"
