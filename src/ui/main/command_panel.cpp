#include "ui/main/command_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/command_table.h"
#include "commands/window/log_commands.h"
#include "commands/window/option_commands.h"
#include "commands/window/window_commands.h"
#include "session/session.h"
#include "ui/main/hover_display.h"
#include "ui/main/notice_strip.h"

namespace gft::ui {

namespace {

constexpr int kButtonHeight = 25;

// A button of the command table: its caption and tool tip, and a click runs
// its command.
QPushButton* Button(QWidget* parent, Session& session, const char* name) {
    const CommandSpec& command = *FindCommand(name);
    auto* button = new QPushButton(QString::fromUtf8(command.caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedHeight(kButtonHeight);
    button->setAutoDefault(false);
    button->setToolTip(QString::fromStdString(ToolTip(command)));
    QObject::connect(button, &QPushButton::clicked, button,
                     [&session, &command] { RunCommand(session, command); });
    return button;
}

// A check box (or a toggle button) holding an option; a click flips it
// through the core, which shows the result on the box and its menu twin.
template <typename Box>
Box* OptionBox(QWidget* parent, Session& session, WindowParts& parts, const char* name,
               const char* caption, Toggle toggle) {
    auto* box = new Box(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setCheckable(true);
    box->setChecked(session.On(toggle));
    box->setToolTip(QString::fromStdString(ToolTip(toggle)));
    parts.toggles[static_cast<std::size_t>(toggle)].box = box;
    QObject::connect(box, &QAbstractButton::clicked, box,
                     [&session, toggle] { ClickToggle(session, toggle); });
    return box;
}

QGridLayout* ButtonBlock(QWidget* panel, Session& session, WindowParts& parts) {
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    grid->addWidget(Button(panel, session, "cmdLoadFNT"), 0, 0);
    grid->addWidget(Button(panel, session, "cmdSaveFNT"), 0, 1);
    grid->addWidget(Button(panel, session, "cmdCmpFNT"), 0, 2);
    auto* frames = OptionBox<QPushButton>(panel, session, parts, "chkFrames", "[Show F&rames]",
                                          Toggle::Frames);
    frames->setFixedHeight(kButtonHeight);
    frames->setAutoDefault(false);
    grid->addWidget(frames, 1, 0);
    grid->addWidget(Button(panel, session, "cmdUnlockAll"), 1, 1);
    grid->addWidget(Button(panel, session, "cmdMergeFNT"), 1, 2);
    return grid;
}

QGridLayout* OptionBlock(QWidget* panel, Session& session, WindowParts& parts) {
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    grid->setHorizontalSpacing(6);
    grid->addWidget(OptionBox<QCheckBox>(panel, session, parts, "chkUseSrcPath",
                                         "Use source path for output", Toggle::UseSrcPath),
                    0, 0);
    grid->addWidget(OptionBox<QCheckBox>(panel, session, parts, "chkCompress",
                                         "Store duplicates as one", Toggle::Compress),
                    1, 0);
    grid->addWidget(OptionBox<QCheckBox>(panel, session, parts, "chkSaveThisFormat",
                                         "Save selection table (lok)", Toggle::SaveThisFormat),
                    2, 0);
    grid->addWidget(OptionBox<QCheckBox>(panel, session, parts, "chkMarkDiff", "Select different",
                                         Toggle::MarkDiff),
                    0, 1);
    grid->addWidget(OptionBox<QCheckBox>(panel, session, parts, "chkMergeAll",
                                         "Merge all (with cmp.)", Toggle::MergeAll),
                    1, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

QHBoxLayout* LogBar(QWidget* panel, Session& session, WindowParts& parts) {
    auto* row = new QHBoxLayout;
    auto* clear = Button(panel, session, "cmdClrLog");
    clear->setFixedWidth(65);
    row->addWidget(clear);
    row->addWidget(OptionBox<QCheckBox>(panel, session, parts, "chkLogAutoScroll",
                                        "Auto scroll log", Toggle::LogAutoScroll));
    row->addStretch(1);
    return row;
}

QListWidget* LogList(QWidget* panel, Session& session) {
    auto* log = new QListWidget(panel);
    log->setObjectName(QStringLiteral("lstLog"));
    log->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    log->setMinimumHeight(5 * log->fontMetrics().lineSpacing() + 2 * log->frameWidth() + 4);
    log->setUniformItemSizes(false);
    QObject::connect(log, &QListWidget::itemDoubleClicked, log, [&session](QListWidgetItem* item) {
        OpenLogLine(session, item->data(Qt::UserRole).toByteArray().toStdString());
    });
    return log;
}

}  // namespace

CommandPanel::CommandPanel(Session& session, WindowParts& parts, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("commandPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 4, 3, 0);
    column->setSpacing(4);
    column->addLayout(ButtonBlock(this, session, parts));
    column->addLayout(OptionBlock(this, session, parts));

    parts.hover = new HoverDisplay(this);
    parts.hover->setMinimumHeight(80);
    QObject::connect(parts.hover, &HoverDisplay::LabelDoubleClicked, this,
                     [&session] { ChooseBaseFont(session); });
    column->addWidget(parts.hover, 0);

    parts.notices = new NoticeStrip(session, this);
    column->addWidget(parts.notices, 0);
    column->addLayout(LogBar(this, session, parts));
    parts.log = LogList(this, session);
    column->addWidget(parts.log, 1);
}

StatusRow::StatusRow(WindowParts& parts, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("statusRow"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 8, 2);
    parts.status = new QLabel(this);
    parts.status->setObjectName(QStringLiteral("lblStatusBar"));
    parts.status->setTextFormat(Qt::PlainText);
    parts.status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    parts.time = new QLabel(QStringLiteral("(0,000 sec)"), this);
    parts.time->setObjectName(QStringLiteral("lblTime"));
    row->addWidget(parts.status, 1);
    row->addWidget(parts.time, 0);
}

}  // namespace gft::ui
