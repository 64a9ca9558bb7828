// The window as a current desktop is expected to behave: the glyph grid
// from the keyboard, failures in the notification strip, File > "Recent
// fonts" and the windows' places across restarts, tool tips that name the
// keys, "Revert to saved" greyed while nothing differs. The rules behind
// them are the core's (golden cases grid_keys, recent_fonts and
// revert_last_change; tests/core); here the widgets are driven.
#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "session/notices.h"
#include "ui/editor/char_editor_window.h"
#include "ui/main/notice_strip.h"
#include "window_harness.h"

namespace gft::test {

namespace {

// The strip's text as a person reads it (the label may break paths after "/").
QString StripText(const WindowHarness& h) {
    QStringList lines;
    for (const QLabel* label : h.Find<ui::NoticeStrip>("noticeStrip")->findChildren<QLabel*>())
        if (label->isVisible()) lines << label->text().remove(QChar(0x200B));
    return lines.join(u'\n');
}

bool StripShown(const WindowHarness& h) {
    return h.Find<ui::NoticeStrip>("noticeStrip")->isVisible();
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void keysMoveAFocusTileThatActsAsTheMouseDoes();
    void failuresShowInTheStripUntilTheNextCommand();
    void recentFontsFollowLoadsAndSavesAcrossRuns();
    void windowsComeBackWhereTheyWere();
    void tipsNameTheKeysAndRevertIsGreyedWhileNothingDiffers();
};

void DesktopTest::keysMoveAFocusTileThatActsAsTheMouseDoes() {
    WindowHarness h;
    // Without the grid focused, F4 opens the glyph last opened (65).
    h.Key(Qt::Key_F4);
    QCOMPARE(int(h.session().EditorChar), 65);
    h.window->CharEditor().HideWindow();

    // Tab goes from the log to the grid, whose focus tile starts there.
    auto* log = h.Find<QListWidget>("lstLog");
    log->setFocus();
    QTest::keyClick(log, Qt::Key_Tab);
    QVERIFY(h.Grid()->hasFocus());
    QCOMPARE(h.Grid()->FocusTile(), 65);
    const QImage outlined = h.Grid()->grab(h.Grid()->TileRect(65)).toImage();
    QCOMPARE(outlined.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(outlined.pixelColor(1, 1), QColor(Qt::white));

    const Font loaded = h.session().font;
    QTest::keyClick(h.Grid(), Qt::Key_Down);
    QTest::keyClick(h.Grid(), Qt::Key_Up);
    QTest::keyClick(h.Grid(), Qt::Key_Right);
    QCOMPARE(h.Grid()->FocusTile(), 66);
    QCOMPARE(h.Text("lblCharNo_1"), QString("\"B\" $42 #66"));
    QTest::keyClick(h.Grid(), Qt::Key_Space);
    QCOMPARE(h.session().font.Selected[66], std::uint8_t(1));
    QTest::keyClick(h.Grid(), Qt::Key_Left);
    QTest::keyClick(h.Grid(), Qt::Key_Return);
    QCOMPARE(h.Text("lblCharNo_0"), QString("#65 ($41)"));
    QTest::keyClick(h.Grid(), Qt::Key_End);
    QTest::keyClick(h.Grid(), Qt::Key_Return, Qt::ShiftModifier);  // a copy onto 79
    QCOMPARE(h.session().font.Chars[79], loaded.Chars[65]);
    QCOMPARE(h.session().font.Chars[65], loaded.Chars[65]);
    QCOMPARE(h.Tile(79).Image(), h.Tile(65).Image());

    // Assistive technology sees the tiles by their old names.
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(h.Grid());
    QCOMPARE(grid->childCount(), 256);
    QAccessibleInterface* tile = grid->child(79);
    QCOMPARE(tile->text(QAccessible::Name), QString("imgChar_79"));
    QCOMPARE(tile->text(QAccessible::Description), QString("\"O\" $4F #79"));
    QVERIFY(tile->state().focused);
    QCOMPARE(grid->childAt(tile->rect().center().x(), tile->rect().center().y()), tile);
    QCOMPARE(grid->indexOfChild(tile), 79);

    // F4 with the grid focused opens the focus tile.
    h.Key(Qt::Key_F4);
    QCOMPARE(int(h.session().EditorChar), 79);
    QVERIFY(h.window->CharEditor().isVisible());
}

void DesktopTest::failuresShowInTheStripUntilTheNextCommand() {
    WindowHarness h;
    QVERIFY(!StripShown(h));
    const std::string target = h.dir.File("gone/x.fnt");
    h.dialogs->files.push_back(target);
    h.Key(Qt::Key_W, Qt::ControlModifier);
    QVERIFY(StripShown(h));
    QCOMPARE(StripText(h),
             QString::fromStdString("Could not save " + target + ": No such file or directory"));
    QVERIFY(h.LastLogLine().startsWith("Error #2 on "));  // the log as it always was
    h.Key(Qt::Key_F5);
    QVERIFY(!StripShown(h));

    h.dialogs->files.push_back(target);
    h.Key(Qt::Key_W, Qt::ControlModifier);
    QTest::mouseClick(h.Find<QPushButton>("cmdNoticeDismiss"), Qt::LeftButton);
    QVERIFY(!StripShown(h));

    // An offer stays through other commands; its buttons run commands.
    ShowNotice(h.session(), {NoticeKind::RecoveryOffer, "Offer", {{"Clear", "mnuLogClear"}}});
    h.Key(Qt::Key_F5);
    QCOMPARE(StripText(h), QString("Offer"));
    QTest::mouseClick(h.Find<QPushButton>("cmdNotice_mnuLogClear"), Qt::LeftButton);
    QCOMPARE(h.LogTexts(), QStringList{"Log cleared"});
}

void DesktopTest::recentFontsFollowLoadsAndSavesAcrossRuns() {
    WindowHarness h;  // the font named on the command line
    auto* first = h.Find<QAction>("mnuRecent_0");
    auto* second = h.Find<QAction>("mnuRecent_1");
    QCOMPARE(first->text(), QString::fromStdString("&1 " + h.fontPath));
    QCOMPARE(first->shortcut(), QKeySequence("Ctrl+1"));
    QVERIFY(!second->isVisible());
    const std::string saved = h.dir.File("saved & kept.fnt");
    h.dialogs->files.push_back(saved);
    h.Key(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(first->text(), QString::fromStdString("&1 " + h.dir.File("saved && kept.fnt")));
    QVERIFY(second->isVisible());

    h.Restart();
    QCOMPARE(h.Find<QAction>("mnuRecent_1")->text(), QString::fromStdString("&2 " + h.fontPath));
    h.Key(Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(h.session().FilePaths[kModeLoad], h.fontPath);
    QVERIFY(h.session().font.FontLoaded);
}

void DesktopTest::windowsComeBackWhereTheyWere() {
    WindowHarness h;
    h.window->setGeometry(40, 30, 700, 450);
    ui::CharEditorWindow& editor = h.window->CharEditor();
    editor.ShowWindow();
    editor.setGeometry(100, 60, 600, 500);
    QCoreApplication::processEvents();
    h.Restart();
    QCOMPARE(h.window->geometry(), QRect(40, 30, 700, 450));
    QCOMPARE(h.window->CharEditor().geometry(), QRect(100, 60, 600, 500));

    h.window->showMaximized();
    h.Restart();
    QVERIFY(h.window->isMaximized());
    QCOMPARE(h.window->normalGeometry(), QRect(40, 30, 700, 450));
}

void DesktopTest::tipsNameTheKeysAndRevertIsGreyedWhileNothingDiffers() {
    WindowHarness h;
    QCOMPARE(h.Find<QPushButton>("cmdLoadFNT")->toolTip(), QString("Load FNT & LOK... (Ctrl+O)"));
    QCOMPARE(h.Find<QPushButton>("chkFrames")->toolTip(),
             QString("Draw a frame round every tile (F7)"));
    QCOMPARE(h.window->CharEditor().findChild<QPushButton*>("cmdApply")->toolTip(),
             QString("Put the edited glyph into the font (Alt+A)"));

    auto* revert = h.Find<QAction>("mnuRevertToSaved");
    QVERIFY(!revert->isEnabled());
    h.ClickTile(65, Qt::LeftButton);
    h.ClickTile(66, Qt::LeftButton);  // A and B change places
    QVERIFY(revert->isEnabled());
    h.HoverTile(65);
    revert->trigger();
    h.HoverTile(66);
    revert->trigger();
    QVERIFY(!revert->isEnabled());
    QVERIFY(!h.window->windowTitle().endsWith(" (*)"));
    // A save makes the font as it is the one to revert to.
    h.ClickTile(65, Qt::LeftButton);
    h.ClickTile(66, Qt::LeftButton);
    h.dialogs->files.push_back(h.dir.File("swapped.fnt"));
    h.Key(Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!revert->isEnabled());
}

}  // namespace gft::test

QTEST_MAIN(gft::test::DesktopTest)
#include "desktop_gui_test.moc"
