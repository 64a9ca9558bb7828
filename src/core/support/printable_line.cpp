#include "support/printable_line.h"

#include <algorithm>
#include <cstdio>

namespace gft {

namespace {

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

std::string Escape(char c) {
    switch (c) {
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default: {
            char text[5];
            std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned char>(c));
            return text;
        }
    }
}

}  // namespace

std::string PrintableLine(std::string_view line) {
    if (std::none_of(line.begin(), line.end(), IsControl)) return std::string(line);
    std::string printable;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line.substr(at, 2) == "\r\n") {
            printable += "\r\n";
            ++at;
        } else if (IsControl(line[at])) {
            printable += Escape(line[at]);
        } else {
            printable += line[at];
        }
    }
    return printable;
}

}  // namespace gft
