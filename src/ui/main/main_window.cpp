#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>

#include "app/shutdown.h"
#include "commands/files/file_commands.h"
#include "commands/glyphs/grid_keys.h"
#include "commands/glyphs/hover.h"
#include "commands/glyphs/tile_mouse.h"
#include "commands/window/window_commands.h"
#include "session/preview.h"
#include "ui/editor/char_editor_window.h"
#include "ui/main/command_panel.h"
#include "ui/main/first_paint.h"
#include "ui/main/hover_display.h"
#include "ui/main/main_area.h"
#include "ui/main/main_menus.h"
#include "ui/main/tile_accessibility.h"
#include "ui/main/tile_grid.h"
#include "ui/main/window_place.h"
#include "ui/preview/text_preview_window.h"

namespace gft::ui {

namespace {

constexpr int kDefaultTile = 24;
// The client area the window was laid out for: 10260 x 6195 twips.
constexpr QSize kDesignedClient{684, 413};
// Room beside a log line in the log pane: its frame, scroll bar and margins.
constexpr int kLogLineRoom = 48;

std::vector<std::string> LocalFiles(const QMimeData* mime) {
    std::vector<std::string> files;
    if (mime == nullptr) return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    return files;
}

// The controls' font: "MS Sans Serif" 8.25 pt, or the nearest sans serif.
QFont ControlFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// The keys of the glyph grid, as the core names them.
std::optional<GridKey> GridKeyFor(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
        case Qt::Key_Left:
            return GridKey::Left;
        case Qt::Key_Right:
            return GridKey::Right;
        case Qt::Key_Up:
            return GridKey::Up;
        case Qt::Key_Down:
            return GridKey::Down;
        case Qt::Key_Home:
            return ctrl ? GridKey::First : GridKey::RowStart;
        case Qt::Key_End:
            return ctrl ? GridKey::Last : GridKey::RowEnd;
        case Qt::Key_PageUp:
            return GridKey::ColumnTop;
        case Qt::Key_PageDown:
            return GridKey::ColumnBottom;
        case Qt::Key_Space:
            return GridKey::Toggle;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return modifiers & Qt::ShiftModifier ? GridKey::PickCopy : GridKey::Pick;
        default:
            return std::nullopt;
    }
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<Dialogs> dialogs, const StartupEnvironment& environment,
                       QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)), view_(*dialogs_), session_(view_) {
    setObjectName(QStringLiteral("frmGrindFNTtool"));
    setAcceptDrops(true);
    setFont(ControlFont());
    BuildWindow();
    view_.Attach(
        parts_, [this]() -> CharEditorWindow& { return CharEditor(); },
        [this]() -> TextPreviewWindow& { return TextPreview(); });
    view_.DrawTilesFrom(session_.tileCache);
    view_.ShowToggles(session_.options.on);
    qApp->installEventFilter(this);
    // The grid is drawn from the tile bitmaps in memory; their files follow
    // right after the window first shows, so start-up does not wait for them.
    session_.tileCache.DeferWrites(true);
    AfterFirstPaint(*this, [this] {
        WriteWaitingTiles(session_);
        parts_.hover->TakeBaseFont();
    });
    startup_ = Startup(session_, environment);
    PlaceWindow(*this, session_.windowPlaces[IndexOf(AppWindow::Main)],
                DefaultClientSize() + QSize(0, menuBar()->sizeHint().height()));
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    ShutDownOnce();
    // The widgets call into the session and the view: they go first.
    delete takeCentralWidget();
    delete parts_.editor;
    delete parts_.preview;
}

void MainWindow::BuildWindow() {
    parts_.window = this;
    // Made inside the window, each widget takes the controls' font once as it
    // is made rather than again when moved into its place. The grid comes
    // after the panel in the focus chain: the window opens with the focus
    // on the Load button, and Tab reaches the grid after the log.
    auto* panel = new CommandPanel(session_, parts_, this);
    parts_.grid = new TileGrid(this);
    auto* status = new StatusRow(parts_, this);
    setCentralWidget(new MainArea(parts_.grid, panel, status, this));
    // Drop targets of their own, as the window is; eventFilter loads the drop.
    // A drop on a tile goes to the grid: making each of the 256 tiles a drop
    // target of its own cost the start-up milliseconds.
    parts_.grid->setAcceptDrops(true);
    panel->findChild<QWidget*>(QStringLiteral("cmdLoadFNT"))->setAcceptDrops(true);
    parts_.refreshItemStates = BuildMainMenus(*this, session_, parts_);
    parts_.undo = menuBar()->findChild<QAction*>(QStringLiteral("mnuUndo"));
    parts_.redo = menuBar()->findChild<QAction*>(QStringLiteral("mnuRedo"));
    parts_.recover = menuBar()->findChild<QAction*>(QStringLiteral("mnuRecover"));
    parts_.discardRecovery = menuBar()->findChild<QAction*>(QStringLiteral("mnuDiscardRecovery"));

    Session& session = session_;
    connect(parts_.grid, &TileGrid::TilePressed, this, [&session](int code, int button, int shift) {
        PressOnTile(session, code, button, shift);
    });
    connect(parts_.grid, &TileGrid::TileHovered, this,
            [&session](int code) { HoverUpdate(session, code); });
    connect(parts_.grid, &TileGrid::KeyPressed, this,
            [&session](int key, Qt::KeyboardModifiers modifiers) {
                if (const auto gridKey = GridKeyFor(key, modifiers))
                    PressGridKey(session, *gridKey);
            });
    connect(parts_.grid, &TileGrid::FocusChanged, this,
            [&session](bool focused) { SetGridFocused(session, focused); });
    parts_.grid->SetDescriber([&session](int code) {
        return PlainCaption(QString::fromStdString(HoverLabelText(session.font, code)));
    });
    InstallTileAccessibility();
}

// Made late, the editor takes up what it missed: the stay-on-top flag, the
// caption and the glyph the core reported while there was no editor.
CharEditorWindow& MainWindow::CharEditor() {
    if (parts_.editor == nullptr) {
        parts_.editor = new CharEditorWindow(session_, parts_.toggles, this);
        PlaceWindow(*parts_.editor, session_.windowPlaces[IndexOf(AppWindow::Editor)],
                    CharEditorWindow::DefaultSize());
        parts_.editor->SetStayOnTop(session_.On(Toggle::StayOnTop));
        parts_.editor->SetCaption(QString::fromStdString(session_.editor.Caption),
                                  QString::fromStdString(session_.editor.CharLabel));
        parts_.editor->Rebuild();
    }
    return *parts_.editor;
}

TextPreviewWindow& MainWindow::TextPreview() {
    if (parts_.preview == nullptr) {
        parts_.preview = new TextPreviewWindow(session_, this);
        PlaceWindow(*parts_.preview, session_.windowPlaces[IndexOf(AppWindow::Preview)],
                    TextPreviewWindow::DefaultSize());
    }
    return *parts_.preview;
}

QSize MainWindow::DefaultClientSize() const {
    const int minimumPanel = centralWidget()->minimumSizeHint().width() - TileGrid::SideFor(8);
    const QFontMetrics metrics = parts_.log->fontMetrics();
    const int logLine = metrics.horizontalAdvance(QString::fromLatin1(kIdleHint)) + kLogLineRoom;
    const int grid = TileGrid::SideFor(kDefaultTile);
    return {std::max(kDesignedClient.width(), grid + std::max(minimumPanel, logLine)),
            kDesignedClient.height()};
}

// The window sees every key first: Esc anywhere in it is the window's Esc.
// Files dropped anywhere on it (the background, the Load button, a tile) are
// loaded; a drop without a local file says so in the log.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::DragEnter && type != QEvent::DragMove &&
        type != QEvent::Drop)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;
    if (type == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
        EscapePressed(session_);
        return true;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (type == QEvent::Drop) DropLoad(session_, LocalFiles(drop->mimeData()));
    drop->acceptProposedAction();
    return true;
}

// Closing is never refused and unsaved changes are not asked about.
void MainWindow::closeEvent(QCloseEvent* event) {
    ShutDownOnce();
    event->accept();
}

// Only a start-up that ran the window has a run to end; Help and Abort end
// without saving the settings.
void MainWindow::ShutDownOnce() {
    if (shutDown_ || startup_.action != StartupAction::Run) return;
    shutDown_ = true;
    Shutdown(session_);
    if (parts_.editor != nullptr) parts_.editor->close();
    if (parts_.preview != nullptr) parts_.preview->close();
}

}  // namespace gft::ui
