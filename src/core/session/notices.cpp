#include "session/notices.h"

#include <algorithm>

#include "session/session.h"
#include "support/app_error.h"

namespace gft {

namespace {

void Tell(Session& session) {
    session.view.NoticesChanged(session.notices);
}

bool RemoveKind(Session& session, NoticeKind kind) {
    return std::erase_if(session.notices, [kind](const Notice& n) { return n.kind == kind; }) > 0;
}

// A log entry of several lines ("Error #" frames) read as one sentence.
std::string OneLine(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, ": ");
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

}  // namespace

void ShowNotice(Session& session, Notice notice) {
    RemoveKind(session, notice.kind);
    session.notices.push_back(std::move(notice));
    Tell(session);
}

void DismissNotice(Session& session, std::size_t index) {
    if (index >= session.notices.size()) return;
    session.notices.erase(session.notices.begin() + static_cast<std::ptrdiff_t>(index));
    Tell(session);
}

void DropNotices(Session& session, NoticeKind kind) {
    if (RemoveKind(session, kind)) Tell(session);
}

void BeginCommand(Session& session) {
    DropNotices(session, NoticeKind::Failure);
}

void ReportFileError(Session& session, const AppError& error, const std::string& action,
                     const std::string& path) {
    session.Log(error.LogEntry());
    ShowNotice(session, {NoticeKind::Failure,
                         "Could not " + action + " " + path + ": " + OneLine(error.description()),
                         {}});
}

void NoticeRefusedFile(Session& session, const std::string& action, const std::string& path) {
    // A failure this command already reported says more than the refusal.
    const auto said = [](const Notice& n) { return n.kind == NoticeKind::Failure; };
    if (std::any_of(session.notices.begin(), session.notices.end(), said)) return;
    const auto& log = session.LogLines();
    std::string text = "Could not " + action + " " + path;
    if (!log.empty()) text += ": " + OneLine(log.back());
    ShowNotice(session, {NoticeKind::Failure, text, {}});
}

}  // namespace gft
