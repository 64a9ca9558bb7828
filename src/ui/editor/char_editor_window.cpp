#include "ui/editor/char_editor_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWindow>
#include <functional>

#include "commands/command_table.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/grid_geometry.h"
#include "commands/window/option_commands.h"
#include "commands/window/window_commands.h"
#include "session/session.h"
#include "ui/editor/cell_grid.h"
#include "ui/main/hover_display.h"

namespace gft::ui {

namespace {

// The window was laid out in twips; 15 twips are one pixel at 96 dpi.
constexpr int Px(int twips) {
    return twips / 15;
}

// The controls below the grid keep their places in a block of their own,
// which stays at the window's bottom left as the window grows; the grid's
// frame and its scroll bars take the rest.
constexpr int kControlsTop = 4380;
constexpr QSize kControlsSize{Px(7965), Px(6705 - kControlsTop)};
constexpr int kControlsGap = Px(4380 - 4275);  // below the horizontal bar
constexpr int kBar = Px(255);                  // a scroll bar's thickness
constexpr int kMinimumArea = 48;               // the least room for the grid

// Where a control of the block goes, from its place in the window's twips.
QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top - kControlsTop), Px(width), Px(height)};
}

// Command buttons and option boxes are 1095 x 375 twips.
QRect ButtonAt(int left, int top) {
    return Twips(left, top, 1095, 375);
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect at,
                    std::function<void()> command) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(at);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, std::move(command));
    return button;
}

// A button of the command table: its caption and tool tip, and a click runs
// its command.
void CommandButton(QWidget* parent, Session& session, const char* name, QRect at) {
    const CommandSpec& command = *FindCommand(name);
    Button(parent, name, command.caption, at, [&session, &command] {
        RunCommand(session, command);
    })->setToolTip(QString::fromStdString(ToolTip(command)));
}

QFont ReportFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

}  // namespace

CharEditorWindow::CharEditorWindow(Session& session,
                                   std::array<ToggleControls, kToggleCount>& toggles,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("frmCharEd"));
    setWindowTitle(QStringLiteral("Char Editor"));
    // The controls take the main window's font, as its own controls do.
    setAttribute(Qt::WA_WindowPropagation);
    setMinimumSize(kControlsSize.width(), kControlsSize.height() + kControlsGap + kMinimumArea);

    frame_ = new QWidget(this);
    frame_->setObjectName(QStringLiteral("picFrame"));
    frame_->setAutoFillBackground(true);
    QPalette silver = frame_->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    frame_->setPalette(silver);
    grid_ = new CellGrid(session, frame_);

    vScroll_ = new QScrollBar(Qt::Vertical, this);
    vScroll_->setObjectName(QStringLiteral("VScroll"));
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    hScroll_->setObjectName(QStringLiteral("HScroll"));
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        bar->setRange(0, kScrollMaximum);
        bar->setValue(kScrollStart);
        bar->hide();
    }
    // Change and Scroll alike: the grid follows the thumb while it is dragged.
    connect(hScroll_, &QScrollBar::valueChanged, this, [this] { ScrollTableH(); });
    connect(vScroll_, &QScrollBar::valueChanged, this, [this] { ScrollTableV(); });

    controls_ = new QWidget(this);
    controls_->setObjectName(QStringLiteral("editorControls"));
    controls_->resize(kControlsSize);

    report_ = new QLineEdit(QString::fromStdString(session.editor.Report), controls_);
    report_->setObjectName(QStringLiteral("txtOut"));
    report_->setGeometry(Twips(0, 4380, 4365, 315));
    report_->setFont(ReportFont());
    report_->setReadOnly(true);

    auto* label = new ClickLabel(controls_);
    label->setObjectName(QStringLiteral("lblCharNo_1"));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(Twips(3810, 4860, 405, 675));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(label, &ClickLabel::DoubleClicked, this, [&session] { ChooseBaseFont(session); });
    charLabel_ = label;
    SetBaseFont(session.options.baseFont);

    BuildButtons(toggles);
    qApp->installEventFilter(this);
}

CharEditorWindow::~CharEditorWindow() {
    qApp->removeEventFilter(this);
}

void CharEditorWindow::BuildButtons(std::array<ToggleControls, kToggleCount>& toggles) {
    Session& s = session_;
    const struct {
        const char* name;
        int left, top;
    } buttons[] = {
        {"cmdMoveH_0", 4440, 4380},    {"cmdMoveV_0", 5640, 4380},     {"cmdMoveV_1", 6840, 4380},
        {"cmdChangeChr_0", 120, 4740}, {"cmdChangeChr_1", 1320, 4740}, {"cmdApply", 2520, 4740},
        {"cmdMoveH_1", 4440, 4860},    {"cmdMirror_0", 5640, 4860},    {"cmdMirror_1", 6840, 4860},
        {"cmdInverse", 4440, 5340},    {"cmdDelChr", 5640, 5340},      {"cmdRestore", 6840, 5340},
        {"cmdWidth_0", 120, 5700},     {"cmdWidth_1", 1320, 5700},     {"cmdFixWidth", 2520, 5700},
        {"cmdClrOutside", 4440, 5820}, {"cmdClear", 5640, 5820},       {"cmdCloseCE", 6840, 5820},
    };
    for (const auto& button : buttons)
        CommandButton(controls_, s, button.name, ButtonAt(button.left, button.top));

    // The option boxes: a click flips the option through the core, which
    // shows the result on the box.
    const struct {
        const char* name;
        const char* caption;
        int left;
        Toggle toggle;
        const char* tip;
    } boxes[] = {{"chkCrsrInv", "[Cursor Inv.]", 120, Toggle::CrsrInv,
                  "Either mouse button turns a pixel over"},
                 {"chkStayOnTop", "[Stay on top]", 1320, Toggle::StayOnTop,
                  "Keep this window above the main window"},
                 {"chkAutoApply", "[Auto apply]", 2520, Toggle::AutoApply,
                  "Put every change into the font at once"}};
    for (const auto& box : boxes) {
        const Toggle toggle = box.toggle;
        QPushButton* button = Button(controls_, box.name, box.caption, ButtonAt(box.left, 5220),
                                     [&s, toggle] { ClickToggle(s, toggle); });
        button->setToolTip(QString::fromUtf8(box.tip));
        button->setCheckable(true);
        button->setChecked(s.On(toggle));
        toggles[static_cast<std::size_t>(toggle)].box = button;
    }
    showCompared_ =
        Button(controls_, "chkShowCompared", "[Show compared]", Twips(120, 6180, 2295, 375),
               [&s] { ClickToggle(s, Toggle::ShowCompared); });
    showCompared_->setCheckable(true);
    showCompared_->setChecked(s.On(Toggle::ShowCompared));
    showCompared_->setToolTip(QStringLiteral("Show the compared font's character under the cells"));
    showCompared_->setEnabled(s.compared.kept);
    toggles[static_cast<std::size_t>(Toggle::ShowCompared)].box = showCompared_;
}

void CharEditorWindow::SetComparedAvailable(bool kept) {
    showCompared_->setEnabled(kept);
    grid_->update();
}

void CharEditorWindow::ShowWindow() {
    show();
    raise();
    activateWindow();
}

void CharEditorWindow::HideWindow() {
    hide();
}

QSize CharEditorWindow::DefaultSize() {
    return {kControlsSize.width(), Px(6705)};
}

void CharEditorWindow::Rebuild() {
    Arrange();
}

void CharEditorWindow::ResetScroll() {
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        const QSignalBlocker blocker(bar);
        bar->setValue(kScrollStart);
    }
    ScrollTableH();
    ScrollTableV();
}

// The grid takes the largest cells that let the whole glyph fit the room
// above the controls; only a glyph too large even at the smallest cells gets
// the scroll bars, which then take their strips of that room.
void CharEditorWindow::Arrange() {
    controls_->move(0, height() - kControlsSize.height());
    const int areaWidth = width();
    const int areaHeight = height() - kControlsSize.height() - kControlsGap;
    GridFit fit;
    if (EditorReady(session_))
        fit = FitGrid(session_.editor.EditChr, session_.font.FontHeight, areaWidth, areaHeight);
    if (fit.scrolls) {
        const int frameWidth = areaWidth - kBar - 2;
        const int frameHeight = areaHeight - kBar - 1;
        frame_->setGeometry(0, 0, frameWidth, frameHeight);
        vScroll_->setGeometry(frameWidth, 0, kBar, frameHeight + 2);
        hScroll_->setGeometry(0, frameHeight + 1, frameWidth + 1, kBar);
    } else {
        frame_->setGeometry(0, 0, areaWidth, areaHeight);
    }
    vScroll_->setVisible(fit.scrolls);
    hScroll_->setVisible(fit.scrolls);
    grid_->Rebuild(fit.pitch);
    ScrollTableH();
    ScrollTableV();
}

void CharEditorWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void CharEditorWindow::SetCaption(const QString& caption, const QString& label) {
    setWindowTitle(caption);
    charLabel_->setText(label);
}

void CharEditorWindow::CellChanged(int col, int row) {
    grid_->CellChanged(col, row);
}

void CharEditorWindow::SetReport(const QString& text) {
    report_->setText(text);
}

void CharEditorWindow::SetBaseFont(const BaseFont& font) {
    charLabel_->setFont(ToQFont(font));
}

void CharEditorWindow::SetStayOnTop(bool on) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        // A change of window flags hides the window; it comes back in place.
        const bool shown = isVisible();
        const QPoint at = pos();
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (shown) {
            move(at);
            show();
        }
    }
    ApplyTransientParent();
}

// On, the window belongs to the main window and the window manager keeps it
// above; off, it stands alone.
void CharEditorWindow::ApplyTransientParent() {
    QWindow* handle = windowHandle();
    if (handle == nullptr) return;
    QWidget* owner = parentWidget();
    const bool onTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    handle->setTransientParent(onTop && owner ? owner->window()->windowHandle() : nullptr);
}

// Without scroll bars the grid stands in the middle of its frame.
void CharEditorWindow::ScrollTableH() {
    const int spare = frame_->width() - grid_->width();
    grid_->move(hScroll_->isVisibleTo(this)
                    ? ScrollOffset(hScroll_->value(), grid_->width(), frame_->width())
                    : spare / 2,
                grid_->y());
}

void CharEditorWindow::ScrollTableV() {
    const int spare = frame_->height() - grid_->height();
    grid_->move(grid_->x(), vScroll_->isVisibleTo(this)
                                ? ScrollOffset(vScroll_->value(), grid_->height(), frame_->height())
                                : spare / 2);
}

// The window sees its keys before its controls: Esc hides it.
bool CharEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    return EditorKeyPress(session_, 27);
}

// Closed by the window manager: hidden like "&Close" does.
void CharEditorWindow::closeEvent(QCloseEvent* event) {
    HideCharEditor(session_);
    event->accept();
}

void CharEditorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ApplyTransientParent();
}

}  // namespace gft::ui
