#include "console_view.h"

namespace gft::cli {

void ConsoleView::LogAppended(const std::string& line) {
    if (!quiet_) out_ << prefix_ << line << '\n';
}

std::optional<std::string> ConsoleView::AskFileName(const FileDialogRequest& request) {
    lastDialog_ = request;
    auto answer = std::move(answer_);
    answer_.reset();
    return answer;
}

void ConsoleView::MessageBox(const std::string& text) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find("\r\n", start);
        out_ << "message: " << text.substr(start, end - start) << '\n';
        if (end == std::string::npos) break;
        start = end + 2;
    }
}

void ConsoleView::HoverChanged(int code, const std::string& label, int zoomWidth, int zoomHeight) {
    hover_.code = code;
    hover_.label = label;
    if (zoomWidth > 0 && zoomHeight > 0) {
        hover_.zoomWidth = zoomWidth;
        hover_.zoomHeight = zoomHeight;
    }
}

}  // namespace gft::cli
