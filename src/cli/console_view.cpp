#include "console_view.h"

#include "support/file_helpers.h"

namespace gft::cli {

namespace {

// Prints text line by line, each line after prefix; lines end in CR LF.
void PrintLines(std::ostream& out, const std::string& prefix, const std::string& text) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find("\r\n", start);
        out << prefix << text.substr(start, end - start) << '\n';
        if (end == std::string::npos) break;
        start = end + 2;
    }
}

}  // namespace

void ConsoleView::LogAppended(const std::string& line) {
    if (line.rfind("Error #", 0) == 0) ++errorEntries_;
    if (quiet_ || (skip_ && skip_(line))) return;
    PrintLines(out_, prefix_, line);
}

std::optional<std::string> ConsoleView::AskFileName(const FileDialogRequest& request) {
    lastDialog_ = request;
    auto answer = std::move(answer_);
    answer_.reset();
    return answer;
}

std::optional<int> ConsoleView::AskNumber(const std::string& /*title*/,
                                          const std::string& /*prompt*/, int suggested, int min,
                                          int max) {
    const int answer = std::exchange(number_, std::nullopt).value_or(suggested);
    if (answer >= min && answer <= max) return answer;
    RefuseNumber(answer, min, max);
    return std::nullopt;
}

std::optional<TrueTypeOptions> ConsoleView::AskTrueType(const TrueTypeOptions& suggested,
                                                        int height) {
    const TrueTypeAnswer answer = std::exchange(trueType_, {});
    TrueTypeOptions options = suggested;
    options.ascent = answer.ascent.value_or(suggested.ascent);
    options.codePage = answer.codePage.value_or(suggested.codePage);
    if (options.ascent >= 0 && options.ascent <= height) return options;
    RefuseNumber(options.ascent, 0, height);
    return std::nullopt;
}

void ConsoleView::RefuseNumber(int answer, int min, int max) {
    refusedNumber_ = "not a number " + std::to_string(min) + ".." + std::to_string(max) + ": '" +
                     std::to_string(answer) + "'";
}

void ConsoleView::MessageBox(const std::string& text) {
    PrintLines(out_, "message: ", text);
}

void ConsoleView::HoverChanged(int code, const std::string& label, int zoomWidth, int zoomHeight) {
    hover_.code = code;
    hover_.label = label;
    if (zoomWidth > 0 && zoomHeight > 0) {
        hover_.zoomWidth = zoomWidth;
        hover_.zoomHeight = zoomHeight;
    }
}

void ConsoleView::PutGlyphsOnClipboard(const ClipboardGlyphForms& forms) {
    clipboard_ = forms.own;
    if (clipboardFile_.empty()) return;
    try {
        WriteByteArray(clipboardFile_, BytesOf(forms.own), Sync::Later);
    } catch (const AppError& error) {
        ClipboardFailed("write", error);
    }
}

ClipboardContent ConsoleView::ReadClipboard() {
    if (clipboardFile_.empty()) return {clipboard_, std::nullopt};
    // Anything longer than the largest form is not one; the decoder says so.
    constexpr std::size_t kMost = std::size_t{4} << 20;
    try {
        const Bytes bytes = ReadFileBytes(clipboardFile_, kMost, "ReadClipboard");
        return {std::string(bytes.begin(), bytes.end()), std::nullopt};
    } catch (const AppError& error) {
        ClipboardFailed("read", error);
        return {};
    }
}

void ConsoleView::ClipboardFailed(const char* what, const AppError& error) {
    ++clipboardFailures_;
    const std::string kind = NonRegularFileKind(clipboardFile_);
    out_ << prefix_ << "clipboard: cannot " << what << " " << clipboardFile_ << ": "
         << (kind.empty() ? error.description() : kind + ", not a file") << '\n';
}

}  // namespace gft::cli
