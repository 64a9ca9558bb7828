#include "console_view.h"

#include <fstream>
#include <iterator>

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
    std::ofstream file(clipboardFile_, std::ios::binary | std::ios::trunc);
    file << forms.own;
    if (!file.flush()) out_ << prefix_ << "clipboard: cannot write " << clipboardFile_ << '\n';
}

ClipboardContent ConsoleView::ReadClipboard() {
    if (clipboardFile_.empty()) return {clipboard_, std::nullopt};
    std::ifstream file(clipboardFile_, std::ios::binary);
    if (!file) return {};
    // Anything longer than the largest form is not one; the decoder says so.
    constexpr std::size_t kMost = std::size_t{4} << 20;
    std::string text(kMost, '\0');
    file.read(text.data(), static_cast<std::streamsize>(kMost));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return {std::move(text), std::nullopt};
}

}  // namespace gft::cli
