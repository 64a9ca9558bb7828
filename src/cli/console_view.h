#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/view.h"

namespace gft::cli {

// Shows a session on a text stream: every log line as it is appended, a
// message box as lines prefixed "message: ". File dialogs are answered with
// the path the running command gave; with none, a dialog counts as cancelled.
class ConsoleView : public View {
  public:
    explicit ConsoleView(std::ostream& out, std::string linePrefix = "")
        : out_(out), prefix_(std::move(linePrefix)) {}

    void AnswerNextDialog(std::string path) { answer_ = std::move(path); }
    void SetQuiet(bool quiet) { quiet_ = quiet; }

    void LogAppended(const std::string& line) override;
    std::optional<std::string> AskFileName(const FileDialogRequest& request) override;
    void MessageBox(const std::string& text) override;

    // The last dialog shown, for the runner's record.
    const FileDialogRequest& LastDialog() const { return lastDialog_; }

  private:
    std::ostream& out_;
    std::string prefix_;
    std::optional<std::string> answer_;
    FileDialogRequest lastDialog_;
    bool quiet_ = false;
};

}  // namespace gft::cli
