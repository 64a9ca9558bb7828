#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "session/view.h"
#include "support/app_error.h"

namespace gft::cli {

// Shows a session on a text stream: every log line as it is appended (an
// entry of several lines, such as an "Error #" entry, as one printed line
// each), a message box as lines prefixed "message: ". File dialogs are answered with
// the path the running command gave; with none, a dialog counts as cancelled.
// The TrueType export's questions as a script answers them: what it does
// not give stays as suggested.
struct TrueTypeAnswer {
    std::optional<int> ascent;
    std::optional<CodePage> codePage;
};

class ConsoleView : public View {
  public:
    explicit ConsoleView(std::ostream& out, std::string linePrefix = "")
        : out_(out), prefix_(std::move(linePrefix)) {}

    void AnswerNextDialog(std::string path) { answer_ = std::move(path); }
    // Takes back an answer no dialog asked for; true when there was one.
    bool WithdrawDialogAnswer() { return std::exchange(answer_, std::nullopt).has_value(); }
    void AnswerNextHeight(int height) { height_ = height; }
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // Log lines for which skip is true are not printed.
    void SetSkip(std::function<bool(const std::string&)> skip) { skip_ = std::move(skip); }
    // How many "Error #" entries were logged so far.
    int ErrorEntries() const { return errorEntries_; }

    void LogAppended(const std::string& line) override;
    std::optional<std::string> AskFileName(const FileDialogRequest& request) override;
    std::optional<int> AskHeight(int /*suggested*/) override {
        auto answer = height_;
        height_.reset();
        return answer;
    }
    void MessageBox(const std::string& text) override;

    // Typefaces and glyph tools: the typeface dialog is answered with the
    // request given; a number question and the TrueType export's questions
    // with what was given, or with their suggestions (OK pressed at once). A
    // number outside the question's range cancels it, and TakeRefusedNumber
    // says why.
    void AnswerNextTypeface(TypefaceRequest request) { typeface_ = std::move(request); }
    void AnswerNextNumber(std::optional<int> number) { number_ = number; }
    std::optional<TypefaceRequest> AskTypeface(const TypefaceRequest& /*last*/) override {
        auto answer = std::move(typeface_);
        typeface_.reset();
        return answer;
    }
    void AnswerNextTrueType(TrueTypeAnswer answer) { trueType_ = answer; }
    std::optional<TrueTypeOptions> AskTrueType(const TrueTypeOptions& suggested,
                                               int height) override;
    std::optional<int> AskNumber(const std::string& title, const std::string& prompt, int suggested,
                                 int min, int max) override;
    std::optional<std::string> TakeRefusedNumber() { return std::exchange(refusedNumber_, {}); }
    // A list is answered with item N (from 1) as given, or with the first.
    void AnswerNextChoice(int number) { choice_ = number; }
    std::optional<int> ChooseItem(const std::string& /*title*/, const std::string& /*prompt*/,
                                  const std::vector<std::string>& /*items*/) override {
        return std::exchange(choice_, 1) - 1;
    }

    // The last dialog shown, for the runner's record.
    const FileDialogRequest& LastDialog() const { return lastDialog_; }

    // The hover display as last shown: label text and zoom size in glyph
    // pixels. A zoom of 0 x 0 (no font) leaves the zoom as it was.
    void HoverChanged(int code, const std::string& label, int zoomWidth, int zoomHeight) override;
    struct Hover {
        int code = -1;  // nothing shown yet
        std::string label;
        int zoomWidth = 0;
        int zoomHeight = 0;
    };
    const Hover& ShownHover() const { return hover_; }

    // The clipboard: kept in the file given (the program's own form), or
    // with none for the run only. A file that cannot be read or written (a
    // missing one, a FIFO, a device, a folder) is reported and counted; the
    // clipboard is then empty.
    void UseClipboardFile(std::string path) { clipboardFile_ = std::move(path); }
    void PutGlyphsOnClipboard(const ClipboardGlyphForms& forms) override;
    ClipboardContent ReadClipboard() override;
    int ClipboardFailures() const { return clipboardFailures_; }

    // The window was asked to close (Esc with nothing unsaved).
    void CloseRequested() override { closeRequested_ = true; }
    bool WasCloseRequested() const { return closeRequested_; }

  private:
    void ClipboardFailed(const char* what, const AppError& error);
    void RefuseNumber(int answer, int min, int max);

    std::ostream& out_;
    std::string prefix_;
    std::optional<std::string> answer_;
    std::optional<int> height_;
    FileDialogRequest lastDialog_;
    bool quiet_ = false;
    std::function<bool(const std::string&)> skip_;
    int errorEntries_ = 0;
    Hover hover_;
    bool closeRequested_ = false;
    std::optional<TypefaceRequest> typeface_;
    std::optional<int> number_;
    TrueTypeAnswer trueType_;
    int choice_ = 1;
    std::optional<std::string> refusedNumber_;
    std::string clipboardFile_;
    std::optional<std::string> clipboard_;
    int clipboardFailures_ = 0;
};

}  // namespace gft::cli
