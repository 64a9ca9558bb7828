#include "main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QVBoxLayout>

#include "app/file_commands.h"
#include "app/window_commands.h"
#include "commands/tile_mouse.h"
#include "main/command_panel.h"
#include "main/hover_display.h"
#include "main/main_area.h"
#include "main/main_menus.h"
#include "main/tile_grid.h"
#include "render/hover.h"

namespace gft::ui {

namespace {

constexpr int kDefaultTile = 24;
constexpr QSize kSpecifiedClient{684, 413};  // 10260 x 6195 twips

std::vector<std::string> LocalFiles(const QMimeData* mime) {
    std::vector<std::string> files;
    if (mime == nullptr) return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    return files;
}

// The controls' font: "MS Sans Serif" 8.25 pt, or the nearest sans serif.
QFont ControlFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<Dialogs> dialogs, const QStringList& arguments,
                       QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)), view_(*dialogs_), session_(view_) {
    setObjectName(QStringLiteral("frmGrindFNTtool"));
    setAcceptDrops(true);
    setFont(ControlFont());
    BuildWindow();
    view_.Attach(parts_);
    view_.ShowToggles(session_.options.on);
    resize(DefaultClientSize() + QSize(0, menuBar()->sizeHint().height()));
    qApp->installEventFilter(this);

    std::vector<std::string> args;
    for (const QString& argument : arguments)
        args.push_back(argument.toStdString());
    StartUp(session_, runFolder_, QCoreApplication::applicationDirPath().toStdString(), args);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::BuildWindow() {
    parts_.window = this;
    parts_.grid = new TileGrid;
    auto* panel = new CommandPanel(session_, parts_);
    auto* status = new StatusRow(parts_);
    setCentralWidget(new MainArea(parts_.grid, panel, status));
    parts_.editor = MakeEditorPlaceholder();
    BuildMainMenus(*this, session_, parts_.toggles);

    Session& session = session_;
    connect(parts_.grid, &TileGrid::TilePressed, this, [&session](int code, int button, int shift) {
        imgChar_MouseDown(session, code, button, shift);
    });
    connect(parts_.grid, &TileGrid::TileHovered, this,
            [&session](int code) { HoverUpdate(session, code); });
}

// The character editor window is built separately; until then a small
// window stands in for it.
QWidget* MainWindow::MakeEditorPlaceholder() {
    auto* editor = new QWidget(this, Qt::Window);
    editor->setObjectName(QStringLiteral("frmCharEd"));
    editor->setWindowTitle(QStringLiteral("Character editor"));
    auto* layout = new QVBoxLayout(editor);
    layout->addWidget(new QLabel(QStringLiteral("The character editor is not available yet.")));
    return editor;
}

QSize MainWindow::DefaultClientSize() const {
    const int panel = centralWidget()->minimumSizeHint().width() - TileGrid::SideFor(8);
    const int grid = TileGrid::SideFor(kDefaultTile);
    return {std::max(kSpecifiedClient.width(), grid + panel), kSpecifiedClient.height()};
}

// The window sees every key first: Esc anywhere in it is the window's Esc.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    EscapePressed(session_);
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    parts_.editor->close();
    ShutDown(runFolder_);
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

// A drop on the window, the Load button or a tile: the first local file is
// loaded; a drop without one says so in the log.
void MainWindow::dropEvent(QDropEvent* event) {
    DropLoad(session_, LocalFiles(event->mimeData()));
    event->acceptProposedAction();
}

}  // namespace gft::ui
