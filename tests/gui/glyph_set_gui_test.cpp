// The glyph-set commands through the real window: mouse buttons and modifiers
// on the tiles. What the commands do is the core tests' part.
#include <QTest>

#include "window_harness.h"

namespace gft::test {

namespace {

constexpr QColor kSelectedBlue(28, 113, 198);
constexpr QColor kDarkGrey(80, 80, 80);

const QImage& PickedUpImage(const WindowHarness& h) {
    return h.Find<ui::ImageBox>(QStringLiteral("imgChar_1290"))->Image();
}

// The colour a tile shows on screen at a point of the tile.
QColor ShownColour(const WindowHarness& h, int code, QPoint at) {
    return h.Grid()->grab(h.Grid()->TileRect(code)).toImage().pixelColor(at);
}

}  // namespace

class GlyphSetWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void leftClicksPickUpThenSwapOrCopy();
    void rightTogglesSelectionMiddleOpensEditorEscCancels();
};

void GlyphSetWindowTest::leftClicksPickUpThenSwapOrCopy() {
    WindowHarness h;
    const QImage tileA = h.Tile(65).Image();
    const QImage tileB = h.Tile(66).Image();

    h.ClickTile(65, Qt::LeftButton);
    QCOMPARE(h.Text("lblCharNo_0"), QString("#65 ($41)"));
    QCOMPARE(PickedUpImage(h), tileA);
    QCOMPARE(h.Tile(255).cursor().shape(), Qt::CrossCursor);
    QCOMPARE(h.Text("lblStatusBar"), QString("Move Char / Copy (with Shift) to..."));

    // Plain drop: the two glyphs change places, both tiles follow.
    h.ClickTile(66, Qt::LeftButton);
    QCOMPARE(h.Tile(66).Image(), tileA);
    QCOMPARE(h.Tile(65).Image(), tileB);
    QCOMPARE(h.Text("lblStatusBar"), QString(kIdleHint));
    QCOMPARE(h.Text("lblCharNo_0"), QString());
    QVERIFY(PickedUpImage(h).isNull());
    QCOMPARE(h.Tile(10).cursor().shape(), Qt::ArrowCursor);

    // Shift, Ctrl or Alt on the drop: a copy over the target, the source stays.
    const CharInfo amp = h.session().font.Chars[38];
    const Qt::KeyboardModifier copyKeys[] = {Qt::ShiftModifier, Qt::ControlModifier,
                                             Qt::AltModifier};
    for (int i = 0; i < 3; ++i) {
        h.ClickTile(38, Qt::LeftButton);
        h.ClickTile(100 + i, Qt::LeftButton, copyKeys[i]);
        QCOMPARE(h.session().font.Chars[100 + i], amp);
        QCOMPARE(h.Tile(100 + i).Image(), h.Tile(38).Image());
    }
}

void GlyphSetWindowTest::rightTogglesSelectionMiddleOpensEditorEscCancels() {
    WindowHarness h;
    const QPoint background(21, 12);  // inside column 4 of glyph 65, beside its ink
    QCOMPARE(ShownColour(h, 65, background), kDarkGrey);
    h.ClickTile(65, Qt::RightButton);
    QCOMPARE(ShownColour(h, 65, background), kSelectedBlue);
    h.ClickTile(65, Qt::RightButton);
    QCOMPARE(ShownColour(h, 65, background), kDarkGrey);

    // Right and middle clicks leave a pick-up as it is.
    h.ClickTile(200, Qt::LeftButton);
    h.ClickTile(38, Qt::RightButton);
    QCOMPARE(h.session().font.Selected[38], 1);
    h.ClickTile(97, Qt::MiddleButton);
    QVERIFY(h.Find<QWidget>("frmCharEd")->isVisible());
    QCOMPARE(h.session().editor.EditChr, h.session().font.Chars[97]);
    QCOMPARE(h.Text("lblCharNo_0"), QString("#200 ($C8) E"));

    // Esc drops the pick-up without moving anything.
    const Font before = h.session().font;
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    h.Key(Qt::Key_Escape);
    QVERIFY(!h.session().MovePending);
    QVERIFY(h.window->isVisible());
    QCOMPARE(h.Text("lblCharNo_0"), QString());
    QVERIFY(PickedUpImage(h).isNull());
    QCOMPARE(h.Tile(0).cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(h.session().font, before);
}

}  // namespace gft::test

QTEST_MAIN(gft::test::GlyphSetWindowTest)
#include "glyph_set_gui_test.moc"
