#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "support/file_helpers.h"

namespace gft {

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsHelpSwitch(const std::string& argument) {
    static constexpr std::array<const char*, 4> kSlashForms{"/?", "/h", "/hlp", "/help"};
    const std::string lower = Lowered(argument);
    for (const char* form : kSlashForms)
        if (lower == form) return true;
    return argument == "-h" || argument == "--help";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

// "%41" becomes "A"; a "%" without two hex digits, or an escaped zero byte,
// spoils the whole text.
std::optional<std::string> PercentDecoded(const std::string& text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low < 0 || (high == 0 && low == 0)) return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

bool IsFileUrl(const std::string& argument) {
    return Lowered(argument.substr(0, 5)) == "file:";
}

// The local path a file URL names ("file:///a%20b.fnt", "file://localhost/x",
// "file:/x"), as a desktop passes it for "%u"; "" when it names no file of
// this machine.
std::string PathOfFileUrl(const std::string& url) {
    std::string rest = url.substr(5);
    if (rest.rfind("//", 0) == 0) {
        const auto slash = rest.find('/', 2);
        if (slash == std::string::npos) return {};
        const std::string host = Lowered(rest.substr(2, slash - 2));
        if (!host.empty() && host != "localhost") return {};
        rest.erase(0, slash);
    }
    if (rest.empty() || rest.front() != kPathSeparator) return {};
    return PercentDecoded(rest).value_or(std::string());
}

bool IsFont(const std::string& path) {
    return GetFileLength(path) > 0;
}

// The first place where the argument names a non-empty file, or "".
std::string ResolveFontPath(const std::string& argument, const std::string& currentFolder,
                            const std::string& programFolder) {
    if (IsFileUrl(argument)) {
        const std::string path = PathOfFileUrl(argument);
        return !path.empty() && IsFont(path) ? path : std::string();
    }
    if (!argument.empty() && argument.front() == kPathSeparator)
        return IsFont(argument) ? argument : std::string();
    for (const auto& candidate :
         {JoinPath(currentFolder, argument), JoinPath(programFolder, argument), argument})
        if (IsFont(candidate)) return candidate;
    return {};
}

}  // namespace

std::vector<std::string> TokenizeCommandLine(const std::string& line) {
    std::vector<std::string> arguments(1);
    bool inToken = true;
    bool inQuotes = false;
    for (const char c : line) {
        if (c == '"') {
            if (inQuotes)
                inToken = false;
            else if (!inToken)
                arguments.emplace_back();
            inQuotes = !inQuotes;
        } else if (inQuotes) {
            arguments.back() += c == '\t' ? ' ' : c;
        } else if (c == ' ' || c == '\t') {
            inToken = false;
        } else {
            if (!inToken) arguments.emplace_back();
            inToken = true;
            arguments.back() += c;
        }
    }
    return arguments;
}

CommandLineRequest ExamineArguments(const std::vector<std::string>& arguments,
                                    const std::string& currentFolder,
                                    const std::string& programFolder) {
    CommandLineRequest request;
    for (const auto& argument : arguments) {
        if (IsHelpSwitch(argument)) {
            request.help = true;
        } else if (!argument.empty() && argument.front() == '-') {
            request.unknownSwitch = true;
        } else {
            const std::string found = ResolveFontPath(argument, currentFolder, programFolder);
            request.badPath = found.empty();
            if (!found.empty()) request.fontPath = found;
        }
    }
    return request;
}

std::string CommandLineHelpText() {
    static constexpr std::array<const char*, 14> kLines{
        "Command line parameters:",
        "",
        " Help:",
        "  /Help (this message)",
        "",
        " Path:",
        "  File Name",
        "  Full File Path",
        "",
        "Note: for parametters small and capital letters may be used",
        "Note: if you use multiple parameters from same group last one will be used",
        "",
        "Example:",
        "grindfnttool \"/home/user/grind/data/32x20x8/fonts/FONT7.FNT\""};
    std::string text;
    for (std::size_t i = 0; i < kLines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + std::string(kLines[i]);
    return text;
}

}  // namespace gft
