#pragma once

#include <QFrame>
#include <vector>

#include "session/notice.h"

namespace gft {
class Session;
}

namespace gft::ui {

// The notification strip above the log: one row a notice, its text in plain
// words, a button for each of its actions and one that dismisses it. Hidden
// while there is no notice. The core decides what it says and when.
class NoticeStrip : public QFrame {
    Q_OBJECT

  public:
    NoticeStrip(Session& session, QWidget* parent = nullptr);
    void ShowNotices(const std::vector<Notice>& notices);

  private:
    Session& session_;
};

}  // namespace gft::ui
