#include "ui/main/notice_strip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/command_table.h"
#include "session/notices.h"
#include "session/session.h"

namespace gft::ui {

namespace {

QColor Background(NoticeKind kind) {
    return kind == NoticeKind::Failure ? QColor(255, 224, 224) : QColor(255, 246, 200);
}

// A path may break after each "/", so a long one wraps inside the pane.
QString Breakable(const std::string& text) {
    return QString::fromStdString(text).replace(u'/', QStringLiteral("/\u200B"));
}

QPushButton* RowButton(const QString& caption, const QString& name, QWidget* row) {
    auto* button = new QPushButton(caption, row);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

NoticeStrip::NoticeStrip(Session& session, QWidget* parent) : QFrame(parent), session_(session) {
    setObjectName(QStringLiteral("noticeStrip"));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    hide();
}

void NoticeStrip::ShowNotices(const std::vector<Notice>& notices) {
    // Later, not now: the click that changed the notices may come from a
    // button of an old row.
    for (QWidget* old : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->deleteLater();
    }
    Session& session = session_;
    for (std::size_t index = 0; index < notices.size(); ++index) {
        const Notice& notice = notices[index];
        auto* row = new QFrame(this);
        row->setObjectName(QStringLiteral("notice_%1").arg(index));
        row->setAutoFillBackground(true);
        QPalette colours = row->palette();
        colours.setColor(QPalette::Window, Background(notice.kind));
        colours.setColor(QPalette::WindowText, Qt::black);
        row->setPalette(colours);
        row->setFrameShape(QFrame::StyledPanel);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(6, 3, 3, 3);
        auto* text = new QLabel(Breakable(notice.text), row);
        text->setObjectName(QStringLiteral("lblNotice"));
        text->setTextFormat(Qt::PlainText);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // As wide as the pane gives it, never wider; as high as its lines.
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        text->setSizePolicy(policy);
        text->setWordWrap(true);
        layout->addWidget(text, 1);
        for (const NoticeAction& action : notice.actions) {
            auto* button = RowButton(
                QString::fromStdString(action.caption),
                QStringLiteral("cmdNotice_") + QString::fromStdString(action.control), row);
            const std::string control = action.control;
            connect(button, &QPushButton::clicked, this,
                    [&session, control] { RunCommand(session, control); });
            layout->addWidget(button, 0, Qt::AlignTop);
        }
        auto* close = RowButton(QStringLiteral("\u00D7"), QStringLiteral("cmdNoticeDismiss"), row);
        close->setToolTip(QStringLiteral("Dismiss"));
        close->setFlat(true);
        close->setFixedWidth(close->fontMetrics().height() + 8);
        connect(close, &QPushButton::clicked, this,
                [&session, index] { DismissNotice(session, index); });
        layout->addWidget(close, 0, Qt::AlignTop);
        static_cast<QVBoxLayout*>(this->layout())->addWidget(row);
    }
    setVisible(!notices.empty());
}

}  // namespace gft::ui
