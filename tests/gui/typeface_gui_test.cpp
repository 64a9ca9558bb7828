// The typeface import and the TrueType export through the menu and their
// dialog seams, the change marks on the tiles, and the text preview window
// following the font.
#include <QAction>
#include <QFileInfo>
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
    void trueTypeExportAsksAfterTheFile();
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

// Export > "TrueType font (TTF)...": the file first, then the questions,
// opened on the estimated baseline and the file's name; cancelling them
// writes nothing.
void TypefaceWindowTest::trueTypeExportAsksAfterTheFile() {
    WindowHarness h;
    const std::string path = h.dir.File("Menu Font.ttf");
    h.dialogs->files = {path, path};
    h.dialogs->trueTypes = {std::nullopt, TrueTypeOptions{3, CodePage::Windows1252, "Other"}};
    h.Find<QAction>("mnuExportTtf")->trigger();
    QCOMPARE(int(h.dialogs->trueTypeRequests.size()), 1);
    const auto& [suggested, height] = h.dialogs->trueTypeRequests[0];
    QCOMPARE(height, 8);
    QCOMPARE(suggested.ascent, 8);  // 'A' is inked down to its last row
    QCOMPARE(suggested.family, std::string("Menu Font"));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(path)));
    h.Find<QAction>("mnuExportTtf")->trigger();
    QCOMPARE(h.LastLogLine(),
             QString::fromStdString("Exported TrueType font to " + path + " (4 glyphs)"));
}

}  // namespace gft::test

QTEST_MAIN(gft::test::TypefaceWindowTest)
#include "typeface_gui_test.moc"
