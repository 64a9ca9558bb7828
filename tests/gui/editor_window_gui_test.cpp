// The character editor window driven through its widgets: painting and
// erasing on the cell grid in both cursor modes, the report line, the grid's
// size as the window's changes and the scroll bars of a grid too large, Esc
// and Close, Apply and
// "[Auto apply]" reaching the main window, "[Stay on top]".
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QWindow>

#include "commands/editor/compare_overlay.h"
#include "commands/editor/grid_geometry.h"
#include "ui/editor/cell_grid.h"
#include "ui/editor/char_editor_window.h"
#include "window_harness.h"

namespace gft::test {

namespace {

QColor Color(Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

// The middle of a cell of the grid at the pitch the window gave it.
QPointF CellCentre(const ui::CellGrid* grid, int col, int row) {
    const int pitch = grid->Pitch();
    return {col * pitch + pitch / 2.0, row * pitch + pitch / 2.0};
}

// A mouse event as the grid receives it; held is what is down during it.
void Mouse(QWidget* grid, QEvent::Type type, QPointF at, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent event(type, at, grid->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(grid, &event);
}

void Press(ui::CellGrid* grid, int col, int row, Qt::MouseButton button) {
    Mouse(grid, QEvent::MouseButtonPress, CellCentre(grid, col, row), button, button);
    Mouse(grid, QEvent::MouseButtonRelease, CellCentre(grid, col, row), button, Qt::NoButton);
}

void Drag(ui::CellGrid* grid, Qt::MouseButton button, std::initializer_list<QPoint> cells) {
    const QPoint first = *cells.begin();
    Mouse(grid, QEvent::MouseButtonPress, CellCentre(grid, first.x(), first.y()), button, button);
    for (const QPoint& cell : cells)
        Mouse(grid, QEvent::MouseMove, CellCentre(grid, cell.x(), cell.y()), Qt::NoButton, button);
    Mouse(grid, QEvent::MouseButtonRelease, CellCentre(grid, first.x(), first.y()), button,
          Qt::NoButton);
}

// Records the areas the grid paints.
class PaintRecorder : public QObject {
  public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

struct EditorHarness : WindowHarness {
    ui::CharEditorWindow* editor = nullptr;
    ui::CellGrid* grid = nullptr;

    EditorHarness() {
        editor = &window->CharEditor();
        grid = editor->Grid();
    }
    // A middle click on a tile opens the editor on its glyph.
    void Open(int code) {
        ClickTile(code, Qt::MiddleButton);
        QVERIFY(editor->isVisible());
    }
    template <typename T>
    T* InEditor(const char* name) const {
        return editor->findChild<T*>(QString::fromLatin1(name));
    }
    void Click(const char* name) { QTest::mouseClick(InEditor<QPushButton>(name), Qt::LeftButton); }
    QColor CellColour(int col, int row) const {
        return grid->grab().toImage().pixelColor(CellCentre(grid, col, row).toPoint());
    }
    const Bytes& Edited() { return session().editor.EditChr.Pixels; }
};

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void gridShowsTheGlyphInItsColours();
    void buttonsPaintEraseAndToggleCells();
    void gridFillsTheWindowAndScrollsOnlyWhenTooLarge();
    void escCloseApplyAndAutoApply();
    void stayOnTopKeepsTheWindowAboveTheMainWindow();
    void captionLabelAndButtons();
    void comparedGlyphShowsFaintlyUnderTheCells();
};

void EditorWindowTest::gridShowsTheGlyphInItsColours() {
    EditorHarness h;
    h.Open(65);  // width 5, rows 0xF0
    const int p = h.grid->Pitch();
    QCOMPARE(h.grid->size(), QSize(8 * p + 1, 8 * p + 5));
    const QImage image = h.grid->grab().toImage();
    QCOMPARE(image.pixelColor(p / 2, p / 2), Color(kInkColor));
    QCOMPARE(image.pixelColor(4 * p + p / 2, p / 2), Color(kInsideColor));
    QCOMPARE(image.pixelColor(5 * p + 1, p / 2), Color(kBeyondColor));
    QCOMPARE(image.pixelColor(p, p / 2), Color(kGridLineColor));
    QCOMPARE(image.pixelColor(5 * p + p / 2, 8 * p + 2), Color(kBeyondColor));  // the bar below

    // Crisp at any scale: no pixel blends two colours.
    const QSet<QRgb> colours{Color(kInkColor).rgb(), Color(kInsideColor).rgb(),
                             Color(kBeyondColor).rgb(), Color(kGridLineColor).rgb()};
    for (const qreal ratio : {1.5, 2.0, 1.25}) {
        QImage scaled(h.grid->size() * ratio, QImage::Format_RGB32);
        scaled.setDevicePixelRatio(ratio);
        h.grid->render(&scaled);
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                QVERIFY2(colours.contains(scaled.pixel(x, y)), qPrintable(QString::number(ratio)));
    }
}

void EditorWindowTest::buttonsPaintEraseAndToggleCells() {
    EditorHarness h;
    h.Open(65);
    PaintRecorder recorder;
    h.grid->installEventFilter(&recorder);
    QCoreApplication::processEvents();

    // Left paints, also beyond the width; only the cell is repainted.
    recorder.painted = QRegion();
    Press(h.grid, 6, 0, Qt::LeftButton);
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted, QRegion(h.grid->CellArea(6, 0)));
    QCOMPARE(h.Edited()[0], std::uint8_t(0xF2));
    QCOMPARE(h.CellColour(6, 0), Color(kInkColor));
    // Dragging paints the cells passed; right erases, also just left of the grid.
    Drag(h.grid, Qt::LeftButton, {{4, 1}, {5, 1}});
    QCOMPARE(h.Edited()[1], std::uint8_t(0xFC));
    const QPointF leftOfRow3(-h.grid->Pitch() / 3, CellCentre(h.grid, 0, 3).y());
    Mouse(h.grid, QEvent::MouseButtonPress, CellCentre(h.grid, 1, 3), Qt::RightButton,
          Qt::RightButton);
    Mouse(h.grid, QEvent::MouseMove, leftOfRow3, Qt::NoButton, Qt::RightButton);
    Mouse(h.grid, QEvent::MouseButtonRelease, leftOfRow3, Qt::RightButton, Qt::NoButton);
    QCOMPARE(h.Edited()[3], std::uint8_t(0x30));
    QCOMPARE(h.CellColour(1, 3), Color(kInsideColor));
    Mouse(h.grid, QEvent::MouseMove, CellCentre(h.grid, 7, 7), Qt::NoButton, Qt::NoButton);
    QCOMPARE(h.Edited()[7], std::uint8_t(0xF0));
    QCOMPARE(h.session().font.Chars[65].Pixels, Bytes(8, 0xF0));  // nothing applied

    // The report line names the cell under the pointer.
    Mouse(h.grid, QEvent::MouseMove, CellCentre(h.grid, 2, 1), Qt::NoButton, Qt::NoButton);
    QCOMPARE(h.InEditor<QLineEdit>("txtOut")->text(), QString("3;2;11; B:2; bN:5; bV:32"));
}

// The grid takes the largest cells that fit the window, stands in the middle
// of its frame, follows the window's size, and scrolls only when it cannot
// fit at the smallest cells.
void EditorWindowTest::gridFillsTheWindowAndScrollsOnlyWhenTooLarge() {
    EditorHarness h;
    h.Open(65);  // 8 columns, 8 rows
    const auto fits = [&h] {
        const QRect frame = h.editor->Frame()->rect();
        return frame.contains(QRect(h.grid->pos(), h.grid->size())) &&
               !h.editor->HScroll()->isVisible() && !h.editor->VScroll()->isVisible();
    };
    const auto centred = [&h] {
        const QSize spare = h.editor->Frame()->size() - h.grid->size();
        return h.grid->pos() == QPoint(spare.width() / 2, spare.height() / 2);
    };
    QVERIFY(fits() && centred());
    // As large as fits: the frame has no room for one pixel more a cell.
    const int roomy = h.grid->Pitch();
    QVERIFY(roomy > 16);
    QVERIFY(8 * (roomy + 1) + 5 > h.editor->Frame()->height() || roomy == kMaxCellPitch);

    h.editor->resize(h.editor->width() + 300, h.editor->height() + 300);
    QVERIFY(fits() && centred());
    QVERIFY(h.grid->Pitch() > roomy);
    h.editor->resize(h.editor->minimumSize());
    QVERIFY(fits() && centred());
    QVERIFY(h.grid->Pitch() < roomy);

    // 256 columns (width 249) at 4 pixels do not fit the window: the bars
    // move the grid.
    h.editor->resize(ui::CharEditorWindow::DefaultSize());
    const std::string wide = h.dir.Write("wide.fnt", FntBuilder(40).Set(65, 249, 0x81).Build());
    h.dialogs->files.push_back(wide);
    h.Find<QAction>("mnuLoadFnt")->trigger();
    QVERIFY(!h.editor->isVisible());
    h.Open(65);
    QVERIFY(h.editor->HScroll()->isVisible() && h.editor->VScroll()->isVisible());
    QCOMPARE(h.grid->Pitch(), kMinCellPitch);
    QCOMPARE(h.grid->size(), QSize(256 * 4 + 1, 40 * 4 + 5));
    const int frameWidth = h.editor->Frame()->width();
    h.editor->HScroll()->setValue(0);
    QCOMPARE(h.grid->x(), 0);
    h.editor->HScroll()->setValue(101);
    QCOMPARE(h.grid->x(), frameWidth - h.grid->width());
    // A command that resizes the grid keeps the bars where they are.
    h.Click("cmdWidth_0");  // 248: 31 bytes a row
    QCOMPARE(h.grid->width(), 248 * 4 + 1);
    QCOMPARE(h.grid->x(), frameWidth - h.grid->width());
}

void EditorWindowTest::escCloseApplyAndAutoApply() {
    EditorHarness h;
    h.Open(65);
    Press(h.grid, 4, 0, Qt::LeftButton);
    // Esc in the editor hides it; the main window, with nothing unsaved,
    // stays open. Reopening shows the glyph as the font has it.
    QTest::keyClick(h.InEditor<QPushButton>("cmdApply"), Qt::Key_Escape);
    QVERIFY(!h.editor->isVisible());
    QVERIFY(h.window->isVisible());
    h.Open(65);
    QCOMPARE(h.CellColour(4, 0), Color(kInsideColor));

    // With the editor open the main window still takes clicks.
    h.ClickTile(67, Qt::RightButton);
    QCOMPARE(h.session().font.Selected[67], std::uint8_t(1));
    QVERIFY(h.editor->isVisible());

    Press(h.grid, 4, 0, Qt::LeftButton);
    QCOMPARE(h.Tile(65).Image().pixelColor(4, 0), QColor(80, 80, 80));
    h.Click("cmdApply");
    QCOMPARE(h.session().font.Chars[65].Pixels[0], std::uint8_t(0xF8));
    QCOMPARE(h.Tile(65).Image().pixelColor(4, 0), QColor(255, 255, 255));
    QVERIFY(h.window->windowTitle().endsWith(" (*)"));

    // "[Auto apply]": every edit reaches the font and its tile at once.
    h.Click("chkAutoApply");
    Press(h.grid, 0, 7, Qt::RightButton);
    QCOMPARE(h.session().font.Chars[65].Pixels[7], std::uint8_t(0x70));
    QCOMPARE(h.Tile(65).Image().pixelColor(0, 7), QColor(80, 80, 80));
}

void EditorWindowTest::stayOnTopKeepsTheWindowAboveTheMainWindow() {
    EditorHarness h;
    h.Open(65);
    const QPoint at = h.editor->pos();
    h.Click("chkStayOnTop");
    QVERIFY(h.editor->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(h.editor->isVisible());
    QCOMPARE(h.editor->pos(), at);
    // It stays so across hiding (Close) and showing.
    h.Click("cmdCloseCE");
    QVERIFY(!h.editor->isVisible());
    h.Open(66);
    QCOMPARE(h.editor->windowHandle()->transientParent(), h.window->windowHandle());

    h.Click("chkStayOnTop");
    QVERIFY(!h.editor->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(h.editor->isVisible());
    QCOMPARE(h.editor->windowHandle()->transientParent(), nullptr);
}

void EditorWindowTest::captionLabelAndButtons() {
    EditorHarness h;
    h.ClickTile(38, Qt::RightButton);
    h.Open(38);
    QCOMPARE(h.editor->windowTitle(), QString("Chr Editor \"&\" $26 #38 W:6 (Selected)"));
    auto* label = h.InEditor<QLabel>("lblCharNo_1");

    // A double-click on the label opens the base font dialog.
    h.dialogs->fonts.push_back(BaseFont{"DejaVu Sans Mono", 12, false});
    QTest::mouseDClick(label, Qt::LeftButton);
    QCOMPARE(label->font().pointSizeF(), 12.0);

    // The buttons run their commands; the grid follows.
    h.Click("cmdChangeChr_1");
    QCOMPARE(int(h.session().EditorChar), 39);
    h.Open(65);
    h.Click("cmdDelChr");
    QCOMPARE(h.editor->windowTitle(), QString("Chr Editor \"A\" $41 #65 W:0 (Empty)"));
    QCOMPARE(h.CellColour(0, 0), Color(kBeyondColor));
}

// After a compare "[Show compared]" draws the compared glyph's ink as a faint
// square inside each cell; without a compared font the box is disabled.
void EditorWindowTest::comparedGlyphShowsFaintlyUnderTheCells() {
    EditorHarness h;
    auto* box = h.InEditor<QPushButton>("chkShowCompared");
    QCOMPARE(box->text(), QString("[Show compared]"));
    QVERIFY(!box->isEnabled());
    FntBuilder other(8);
    other.Set(65, 5, 0x18);  // ink in columns 3 and 4; the editor's glyph has 0..3
    other.Set(66, 8, 0x80);  // absent in the editor's font
    h.dialogs->files.push_back(h.dir.Write("other.fnt", other.Build()));
    h.Key(Qt::Key_F11);
    QVERIFY(box->isEnabled());
    h.Open(65);
    QCOMPARE(h.CellColour(4, 0), Color(kInsideColor));

    h.Click("chkShowCompared");
    QVERIFY(box->isChecked());
    const QImage grid = h.grid->grab().toImage();
    const int p = h.grid->Pitch();
    // The middle of a cell, and its corner just inside the grid lines.
    const auto at = [&grid, p](int col, int row, bool middle) {
        const int offset = middle ? p / 2 : 1;
        return grid.pixelColor(col * p + offset, row * p + offset);
    };
    QCOMPARE(at(0, 7, true), Color(kInkColor));          // ink in the editor only
    QCOMPARE(at(3, 7, true), Color(kComparedInkColor));  // on both sides
    QCOMPARE(at(3, 7, false), Color(kInkColor));
    QCOMPARE(at(4, 7, true), Color(kComparedInkColor));  // in the compared glyph only
    QCOMPARE(at(4, 7, false), Color(kInsideColor));
    QCOMPARE(at(5, 7, true), Color(kBeyondColor));

    // The next glyph in the editor shows its own compared glyph.
    h.Click("cmdChangeChr_1");
    QCOMPARE(h.CellColour(0, 0), Color(kComparedInkColor));
    QCOMPARE(h.CellColour(1, 0), Color(kBeyondColor));

    h.dialogs->files.push_back(h.fontPath);
    QTest::mouseClick(h.Find<QPushButton>("cmdLoadFNT"), Qt::LeftButton);
    QVERIFY(!box->isEnabled());
    h.Open(65);
    QCOMPARE(h.CellColour(4, 0), Color(kInsideColor));
}

}  // namespace gft::test

QTEST_MAIN(gft::test::EditorWindowTest)
#include "editor_window_gui_test.moc"
