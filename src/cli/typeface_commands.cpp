// Script words of change marks: "changed", "revert CODE"; and the argument
// forms of "import-font", "export-bdf" and "export-ttf".
#include <cctype>
#include <sstream>
#include <vector>

#include "commands/command_table.h"
#include "commands/glyphs/hover.h"
#include "format/code_page.h"
#include "runner.h"
#include "session/change_marks.h"

namespace gft::cli {

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The line up to the end of its first `count` words, spaces inside kept.
std::string FirstWords(const std::string& line, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const auto start = line.find_first_not_of(" \t", end);
        end = line.find_first_of(" \t", start);
        if (end == std::string::npos) return line;
    }
    return line.substr(0, end);
}

void PrintChanged(RunContext& run, const Args&) {
    std::string codes;
    for (const int code : ChangedCodes(run.session))
        codes += (codes.empty() ? "" : " ") + std::to_string(code);
    run.out << "Changed: " << (codes.empty() ? "none" : codes) << '\n';
}

// The menu item with the mouse over the tile of CODE.
void Revert(RunContext& run, const Args& args) {
    HoverUpdate(run.session, ParseCode(args[0]));
    RunCommand(run.session, "mnuRevertToSaved");
}

}  // namespace

TypefaceRequest ParseTypefaceArguments(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    std::size_t sizeAt = words.size();
    TypefaceRequest request;
    if (!words.empty())
        if (const auto page = CodePageNamed(words.back())) {
            request.codePage = *page;
            --sizeAt;
        }
    if (sizeAt < 2) throw UsageError("expected PATH SIZE [cp1250|cp1252|iso8859-2]");
    request.pixelSize = ParseNumber(words[sizeAt - 1], 1, 255, "a pixel size 1..255");
    request.path = FirstWords(line, sizeAt - 1);
    return request;
}

std::pair<std::string, std::optional<std::string>> SplitTrailingNumber(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 2) return {line, std::nullopt};
    const std::string& last = words.back();
    const bool numeric = std::isdigit(static_cast<unsigned char>(last[0])) || last[0] == '-' ||
                         last[0] == '+' || last.find_first_of("./") == std::string::npos;
    if (!numeric) return {line, std::nullopt};
    return {FirstWords(line, words.size() - 1), last};
}

std::pair<std::string, TrueTypeAnswer> ParseTrueTypeArguments(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    TrueTypeAnswer answer;
    std::string rest = line;
    if (words.size() > 1)
        if (const auto page = CodePageNamed(words.back())) {
            answer.codePage = *page;
            rest = FirstWords(line, words.size() - 1);
        }
    auto [path, ascent] = SplitTrailingNumber(rest);
    if (ascent) answer.ascent = ParseNumber(*ascent, 0, 255, "a number 0..255");
    return {path, answer};
}

void AddTypefaceCommands(CommandTable& table) {
    table["changed"] = {0, 0, PrintChanged};
    table["revert"] = {1, 1, Revert};
}

}  // namespace gft::cli
