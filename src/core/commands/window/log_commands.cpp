#include "commands/window/log_commands.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "commands/editor/char_editor.h"
#include "session/session.h"

namespace gft {

std::optional<double> LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

void ClearMessageLog(Session& session) {
    session.ClearLog();
}

void OpenLogLine(Session& session, const std::string& line) {
    if (session.font.FontLoaded && line.compare(0, 9, "Character") == 0) {
        if (line.size() < 10) return;
        const auto number = LeadingNumber(line.substr(10));
        if (!number || *number < 0 || *number > 255) return;
        session.EditorChar = static_cast<std::uint8_t>(*number);
        OpenCharEditor(session);
        return;
    }
    session.view.MessageBox(line);
}

}  // namespace gft
