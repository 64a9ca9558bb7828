#pragma once

#include <cstddef>
#include <string>

#include "session/notice.h"

namespace gft {

class AppError;
class Session;

// The notices the session shows (Session::notices); each change is told to
// the view. A notice replaces the one of its kind.
void ShowNotice(Session& session, Notice notice);
void DismissNotice(Session& session, std::size_t index);
void DropNotices(Session& session, NoticeKind kind);

// A command begins: the failures of the one before are no longer news.
void BeginCommand(Session& session);

// A file operation failed: logs the error's "Error #" entry and says it in
// plain words, "Could not ACTION PATH: DESCRIPTION".
void ReportFileError(Session& session, const AppError& error, const std::string& action,
                     const std::string& path);

// A file was refused; the line logged last says why. A failure already
// shown for the same command is left to speak for it.
void NoticeRefusedFile(Session& session, const std::string& action, const std::string& path);

}  // namespace gft
