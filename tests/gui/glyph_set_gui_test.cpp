// The glyph-set commands through the real window: mouse buttons and modifiers
// on the tiles, the Edit and Height menus and their keys, the Unselect All
// button. Each check looks at the font as well as at what the window shows.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "window_harness.h"

namespace gft::test {

namespace {

constexpr QColor kSelectedBlue(28, 113, 198);
constexpr QColor kDarkGrey(80, 80, 80);
const QString kPickUpPrompt = QStringLiteral("Move Char / Copy (with Shift) to...");

QString LastLogLine(const WindowHarness& h) {
    auto* log = h.Find<QListWidget>(QStringLiteral("lstLog"));
    return log->count() > 0 ? log->item(log->count() - 1)->text() : QString();
}

QString Text(const WindowHarness& h, const char* label) {
    return h.Find<QLabel>(QString::fromLatin1(label))->text();
}

const QImage& PickedUpImage(const WindowHarness& h) {
    return h.Find<ui::ImageBox>(QStringLiteral("imgChar_1290"))->Image();
}

// The colour the tile shows on screen at a point of the widget.
QColor ShownColour(ui::Tile* tile, QPoint at) {
    return tile->grab().toImage().pixelColor(at);
}

std::vector<int> SelectedCodes(const Session& session) {
    std::vector<int> codes;
    for (int c = 0; c < kGlyphCount; ++c)
        if (session.font.Selected[c]) codes.push_back(c);
    return codes;
}

void Key(WindowHarness& h, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(h.window.get(), key, modifiers);
}

}  // namespace

class GlyphSetWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void leftClicksPickUpThenSwapOrCopy();
    void rightTogglesSelectionMiddleOpensEditorEscCancels();
    void tilesIgnoreClicksWithoutAFont();
    void selectionItemsKeysAndButtonReachTheirCommands();
    void blockCopyDeleteAndHeightKeys();
};

void GlyphSetWindowTest::leftClicksPickUpThenSwapOrCopy() {
    WindowHarness h;
    const CharInfo a = h.session().font.Chars[65];
    const CharInfo b = h.session().font.Chars[66];
    const QImage tileA = h.TileAt(65)->Image();
    const QImage tileB = h.TileAt(66)->Image();

    QTest::mouseClick(h.TileAt(65), Qt::LeftButton);
    QCOMPARE(Text(h, "lblCharNo_0"), QString("#65 ($41)"));
    QCOMPARE(PickedUpImage(h), tileA);
    QCOMPARE(h.TileAt(0)->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(h.TileAt(255)->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(Text(h, "lblStatusBar"), kPickUpPrompt);
    QCOMPARE(LastLogLine(h), kPickUpPrompt);
    QVERIFY(!h.window->windowTitle().endsWith(" (*)"));

    // Plain drop: the two glyphs change places, both tiles follow.
    QTest::mouseClick(h.TileAt(66), Qt::LeftButton);
    QCOMPARE(h.session().font.Chars[66], a);
    QCOMPARE(h.session().font.Chars[65], b);
    QCOMPARE(h.TileAt(66)->Image(), tileA);
    QCOMPARE(h.TileAt(65)->Image(), tileB);
    QVERIFY(h.window->windowTitle().endsWith(" (*)"));
    QCOMPARE(Text(h, "lblStatusBar"), QString(kIdleHint));
    QCOMPARE(Text(h, "lblCharNo_0"), QString());
    QVERIFY(PickedUpImage(h).isNull());
    QCOMPARE(h.TileAt(10)->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(Text(h, "lblCharNo_1"), QString("\"B\" $42 #66"));

    // Shift, Ctrl or Alt on the drop: a copy over the target, the source stays.
    const CharInfo amp = h.session().font.Chars[38];
    const QImage tileAmp = h.TileAt(38)->Image();
    const Qt::KeyboardModifier copyKeys[] = {Qt::ShiftModifier, Qt::ControlModifier,
                                             Qt::AltModifier};
    for (int i = 0; i < 3; ++i) {
        const int target = 100 + i;
        QTest::mouseClick(h.TileAt(38), Qt::LeftButton);
        QTest::mouseClick(h.TileAt(target), Qt::LeftButton, copyKeys[i]);
        QCOMPARE(h.session().font.Chars[target], amp);
        QCOMPARE(h.session().font.Chars[38], amp);
        QCOMPARE(h.TileAt(target)->Image(), tileAmp);
        QVERIFY(!h.session().MovePending);
    }
}

void GlyphSetWindowTest::rightTogglesSelectionMiddleOpensEditorEscCancels() {
    WindowHarness h;
    const QPoint background(21, 12);  // inside column 4 of glyph 65, beside its ink
    QCOMPARE(ShownColour(h.TileAt(65), background), kDarkGrey);
    QTest::mouseClick(h.TileAt(65), Qt::RightButton);
    QCOMPARE(h.session().font.Selected[65], 1);
    QCOMPARE(h.TileAt(65)->Image().pixelColor(4, 0), kSelectedBlue);
    QCOMPARE(ShownColour(h.TileAt(65), background), kSelectedBlue);
    QVERIFY(h.window->windowTitle().endsWith(" (=)"));
    QTest::mouseClick(h.TileAt(65), Qt::RightButton);
    QCOMPARE(h.session().font.Selected[65], 0);
    QCOMPARE(ShownColour(h.TileAt(65), background), kDarkGrey);

    // The marks of the pick-up label: empty, selected, different.
    h.session().font.Different[200] = 1;
    QTest::mouseClick(h.TileAt(200), Qt::RightButton);
    QTest::mouseClick(h.TileAt(200), Qt::LeftButton);
    QCOMPARE(Text(h, "lblCharNo_0"), QString("#200 ($C8) E S D"));

    // Right and middle clicks leave the pick-up as it is.
    QTest::mouseClick(h.TileAt(38), Qt::RightButton);
    QCOMPARE(h.session().font.Selected[38], 1);
    QTest::mouseClick(h.TileAt(97), Qt::MiddleButton);
    QCOMPARE(int(h.session().EditorChar), 97);
    QVERIFY(h.Find<QWidget>("frmCharEd")->isVisible());
    QCOMPARE(h.session().editor.EditChr, h.session().font.Chars[97]);
    QVERIFY(h.session().MovePending);
    QCOMPARE(Text(h, "lblCharNo_0"), QString("#200 ($C8) E S D"));

    // Esc drops the pick-up without moving anything.
    const Font before = h.session().font;
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QTest::keyClick(h.window.get(), Qt::Key_Escape);
    QVERIFY(!h.session().MovePending);
    QVERIFY(h.window->isVisible());
    QCOMPARE(Text(h, "lblCharNo_0"), QString());
    QVERIFY(PickedUpImage(h).isNull());
    QCOMPARE(h.TileAt(0)->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(Text(h, "lblStatusBar"), QString(kIdleHint));
    QCOMPARE(h.session().font, before);
}

void GlyphSetWindowTest::tilesIgnoreClicksWithoutAFont() {
    WindowHarness h(false);
    const QString status = Text(h, "lblStatusBar");
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(h.TileAt(65), button);
    QCOMPARE(Text(h, "lblCharNo_0"), QString());
    QCOMPARE(Text(h, "lblStatusBar"), status);
    QCOMPARE(h.session().font.Selected[65], 0);
    QVERIFY(!h.Find<QWidget>("frmCharEd")->isVisible());
    QCOMPARE(h.TileAt(65)->cursor().shape(), Qt::ArrowCursor);
    Key(h, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(SelectedCodes(h.session()).empty());
}

void GlyphSetWindowTest::selectionItemsKeysAndButtonReachTheirCommands() {
    WindowHarness h;
    Key(h, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(SelectedCodes(h.session()).size(), std::size_t{256});
    QCOMPARE(h.TileAt(255)->Image().pixelColor(0, 0), kSelectedBlue);
    QVERIFY(h.window->windowTitle().endsWith(" (=)"));
    Key(h, Qt::Key_U, Qt::ControlModifier);
    QVERIFY(SelectedCodes(h.session()).empty());
    QCOMPARE(h.TileAt(255)->Image().pixelColor(0, 0), kDarkGrey);

    QTest::mouseClick(h.TileAt(10), Qt::RightButton);
    Key(h, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(SelectedCodes(h.session()).size(), std::size_t{255});
    QCOMPARE(h.session().font.Selected[10], 0);
    QTest::mouseClick(h.Find<QPushButton>("cmdUnlockAll"), Qt::LeftButton);
    QVERIFY(SelectedCodes(h.session()).empty());

    // By property: width 0 and errors match nothing here, present matches four.
    const char* counts[] = {"0", "0", "4"};
    for (int i = 0; i < 3; ++i) {
        h.Find<QAction>(QStringLiteral("mnuSelectVar_%1").arg(i))->trigger();
        QCOMPARE(LastLogLine(h),
                 QString(counts[i]) + " characters matching selected criteria found");
    }
    QCOMPARE(SelectedCodes(h.session()), (std::vector<int>{38, 64, 65, 97}));

    struct Block {
        std::size_t count;
        int first, last;
    };
    const Block blocks[] = {{32, 0, 31},    {34, 32, 127},  {10, 48, 57},
                            {26, 65, 90},   {26, 97, 122},  {32, 128, 159},
                            {32, 160, 191}, {32, 192, 223}, {32, 224, 255}};
    for (int i = 0; i < 9; ++i) {
        Key(h, Qt::Key_U, Qt::ControlModifier);
        h.Find<QAction>(QStringLiteral("mnuSelSpec_%1").arg(i))->trigger();
        const std::vector<int> codes = SelectedCodes(h.session());
        QCOMPARE(codes.size(), blocks[i].count);
        QCOMPARE(codes.front(), blocks[i].first);
        QCOMPARE(codes.back(), blocks[i].last);
    }
    Key(h, Qt::Key_U, Qt::ControlModifier);
    Key(h, Qt::Key_P, Qt::ControlModifier);
    const std::vector<int> polish = SelectedCodes(h.session());
    QCOMPARE(polish.size(), std::size_t{18});
    QCOMPARE(polish.front(), 140);
    QCOMPARE(polish.back(), 243);
}

void GlyphSetWindowTest::blockCopyDeleteAndHeightKeys() {
    WindowHarness h;
    h.Find<QAction>("mnuCopyBlock_0")->trigger();
    QCOMPARE(h.session().font.Chars[97], h.session().font.Chars[65]);
    QCOMPARE(h.TileAt(97)->Image(), h.TileAt(65)->Image());
    QCOMPARE(LastLogLine(h), QString("All diferent characters are copied"));
    h.Find<QAction>("mnuCopyBlock_1")->trigger();
    QCOMPARE(LastLogLine(h), QString("All characters to copy are actually the same"));

    QTest::mouseClick(h.TileAt(65), Qt::RightButton);
    QTest::mouseClick(h.TileAt(66), Qt::RightButton);
    Key(h, Qt::Key_F8, Qt::ShiftModifier | Qt::ControlModifier);
    QVERIFY(!h.session().font.Chars[65].Present);
    QVERIFY(SelectedCodes(h.session()).empty());
    QCOMPARE(h.TileAt(65)->Image().size(), QSize(1, 8));

    const QString title =
        QStringLiteral("Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:%1 Max WIDTH:17) (*)");
    const CharInfo amp = h.session().font.Chars[38];
    Key(h, Qt::Key_F5, Qt::ControlModifier);  // a blank row on top
    QCOMPARE(h.window->windowTitle(), title.arg(9));
    QCOMPARE(h.TileAt(38)->Image().size(), QSize(6, 9));
    QCOMPARE(h.session().font.Chars[38].Pixels[0], 0);
    Key(h, Qt::Key_F6, Qt::ControlModifier);  // and one below
    QCOMPARE(h.window->windowTitle(), title.arg(10));
    Key(h, Qt::Key_F5, Qt::ShiftModifier);
    Key(h, Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(h.window->windowTitle(), title.arg(8));
    QCOMPARE(h.session().font.Chars[38], amp);
    QCOMPARE(h.TileAt(38)->Image().size(), QSize(6, 8));

    Key(h, Qt::Key_F5, Qt::ShiftModifier);  // ink in the top row: refused
    QCOMPARE(h.window->windowTitle(), title.arg(8));
    QCOMPARE(LastLogLine(h), QString("Total obstacles 3"));
}

}  // namespace gft::test

QTEST_MAIN(gft::test::GlyphSetWindowTest)
#include "glyph_set_gui_test.moc"
