#include "session/session.h"

#include "support/printable_line.h"
#include "support/version.h"

namespace gft {

Session::Session(View& v) : view(v), title_(ProgramCaption()) {}

void Session::Log(const std::string& line) {
    logLines_.push_back(PrintableLine(line));
    view.LogAppended(logLines_.back());
}

void Session::ClearLog() {
    logLines_.clear();
    view.LogCleared();
    Log("Log cleared");
}

void Session::SetStatus(const std::string& text) {
    SetStatusQuietly(text);
    Log(text);
}

void Session::SetStatusQuietly(const std::string& text) {
    statusLine_ = text;
    view.StatusChanged(text);
}

void Session::ShowReadyStatus() {
    SetStatus(kIdleHint);
}

void Session::SetEditStatus(std::uint8_t isEdited) {
    std::string title = ProgramCaption();
    if (font.FontLoaded) {
        title += " (FNT loaded, HEIGHT:" + std::to_string(font.FontHeight) +
                 " Max WIDTH:" + std::to_string(font.MaxWidth) + ")";
        if (isEdited == 0)
            font.EditStatus = 0;
        else if (isEdited > font.EditStatus)
            font.EditStatus = isEdited;
        if (font.EditStatus == 1) title += " (=)";
        if (font.EditStatus >= 2) title += " (*)";
    } else {
        font.EditStatus = 0;
    }
    title_ = title;
    view.TitleChanged(title_);
}

void Session::setMaxWidth() {
    font.MaxWidth = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        const int width = font.Glyph(code).Width;
        if (width > font.MaxWidth) font.MaxWidth = static_cast<std::uint8_t>(width);
        if (width > 16)
            Log("Character " + std::to_string(code) + " width is " + std::to_string(width) +
                " > 16");
    }
}

void Session::SetTimeCaption(const std::string& caption) {
    timeCaption_ = caption;
    view.TimeChanged(caption);
}

}  // namespace gft
