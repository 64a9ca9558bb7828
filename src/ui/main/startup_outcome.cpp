#include "ui/main/startup_outcome.h"

#include <QString>
#include <string>

#include "app/command_line.h"
#include "session/session.h"
#include "support/version.h"
#include "ui/main/dialogs.h"

namespace gft::ui {

namespace {

// A terminal or a file wants LF alone.
std::string WithLineFeeds(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

void Print(std::FILE* stream, const std::string& text) {
    std::fputs(WithLineFeeds(text).c_str(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> EndOfStartup(const StartupResult& result, const Session& session,
                                Dialogs& dialogs, std::FILE* out, std::FILE* err) {
    const QString title = QString::fromLatin1(kProgramTitle);
    switch (result.action) {
        case StartupAction::Run:
            return std::nullopt;
        case StartupAction::Help: {
            const std::string text = CommandLineHelpText();
            Print(out, text);
            dialogs.Information(title, QString::fromStdString(text));
            return result.exitCode;
        }
        case StartupAction::Abort: {
            const auto& log = session.LogLines();
            const std::string line = log.empty() ? std::string() : log.back();
            Print(err, line);
            dialogs.Message(title, QString::fromStdString(line));
            return result.exitCode;
        }
    }
    return result.exitCode;
}

}  // namespace gft::ui
