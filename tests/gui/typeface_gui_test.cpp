// The typeface import through the menu and its dialog seam, the change marks
// on the tiles, and the text preview window following the font.
#include <QAction>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "ui/preview/text_preview_window.h"
#include "window_harness.h"

namespace gft::test {

class TypefaceWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void importMarksTilesAndThePreviewFollows();
};

void TypefaceWindowTest::importMarksTilesAndThePreviewFollows() {
    WindowHarness h;
    h.Key(Qt::Key_F10);
    auto* preview = h.window->findChild<ui::TextPreviewWindow*>("frmTextPreview");
    QVERIFY(preview != nullptr && preview->isVisible());
    preview->TextLine()->setText("AA");
    QTest::keyClick(preview->TextLine(), Qt::Key_A);  // "AAa": widths 5, 5 and 9
    preview->ScaleBox()->setValue(3);
    QCOMPARE(preview->Canvas()->Picture().size(), QSize(19 * 3, 8 * 3));
    QCOMPARE(h.session().previewText, std::string("AAa"));
    QVERIFY(!h.Tile(65).Changed());

    TypefaceRequest request;
    request.path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    request.pixelSize = 12;
    h.dialogs->typefaces.push_back(request);
    h.Key(Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(h.LastLogLine(),
             QString("Imported 218 characters from DejaVuSans.ttf at 12 px (height 15)"));
    QVERIFY(h.Tile(65).Changed());
    QVERIFY(!h.Tile(1).Changed());  // absent before and after
    QCOMPARE(preview->Canvas()->Picture().height(), 15 * 3);

    h.Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!h.Tile(65).Changed());
    QCOMPARE(preview->Canvas()->Picture().size(), QSize(19 * 3, 8 * 3));
}

}  // namespace gft::test

QTEST_MAIN(gft::test::TypefaceWindowTest)
#include "typeface_gui_test.moc"
