#include "runner.h"

#include <new>
#include <sstream>

#include "commands/files/recovery.h"
#include "support/app_error.h"
#include "support/termination_signals.h"

namespace gft::cli {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Splits a line into the command word and its arguments.
std::pair<std::string, Args> SplitLine(const std::string& line, const CommandTable& table) {
    std::istringstream words(line);
    std::string name;
    words >> name;
    Args args;
    const auto found = table.find(name);
    if (found != table.end() && found->second.maxArgs < 0) {
        std::string rest;
        std::getline(words, rest);
        rest = Trim(rest);
        if (!rest.empty()) args.push_back(rest);
        return {name, args};
    }
    for (std::string word; words >> word;)
        args.push_back(word);
    return {name, args};
}

// Runs a command, then keeps the recovery copy. The commands of the command
// table fail alone when memory runs out; the runner's own words (dump,
// title, ...) and the copy do so here.
void RunOne(const Command& command, RunContext& context, const std::string& name,
            const Args& args) {
    try {
        command.run(context, args);
        KeepRecoveryCopy(context.session, std::chrono::steady_clock::now());
    } catch (const std::bad_alloc&) {
        context.session.Log(AppError::OutOfMemory(name).LogEntry());
    }
}

CommandTable BuildTable() {
    CommandTable table;
    AddTableCommands(table);
    AddFileCommands(table);
    AddGlyphCommands(table);
    AddEditorCommands(table);
    AddTypefaceCommands(table);
    return table;
}

}  // namespace

const CommandTable& Commands() {
    static const CommandTable table = BuildTable();
    return table;
}

const std::vector<ExportFormat>& ExportFormats() {
    static const std::vector<ExportFormat> formats = {
        {"bitmap", "mnuExportBmp"}, {"grid", "mnuExportFony"},    {"atari", "mnuExportAtari"},
        {"8bit", "mnuExport8bit"},  {"html", "mnuHtmlGenerator"}, {"lok", "mnuExportLok"},
        {"ttf", "mnuExportTtf"},
    };
    return formats;
}

int ParseNumber(const std::string& text, int min, int max, const std::string& what) {
    try {
        std::size_t used = 0;
        const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
        const int value = std::stoi(hex ? text.substr(2) : text, &used, hex ? 16 : 10);
        if (used + (hex ? 2 : 0) == text.size() && value >= min && value <= max) return value;
    } catch (const std::exception&) {
    }
    throw UsageError("not " + what + ": '" + text + "'");
}

int ParseCode(const std::string& text) {
    return ParseNumber(text, 0, 255, "a character code 0..255");
}

bool ParseOnOff(const std::string& text) {
    if (text == "on") return true;
    if (text == "off") return false;
    throw UsageError("expected on or off, got '" + text + "'");
}

int RunScript(std::istream& script, Session& session, ConsoleView& view, std::ostream& out,
              std::ostream& err) {
    const CommandTable& table = Commands();
    RunContext context{session, view, out};
    const int refusedBefore = session.refusedFiles;
    const int errorsBefore = view.ErrorEntries();
    const int clipboardBefore = view.ClipboardFailures();
    std::string line;
    for (int number = 1; TerminationSignal() == 0 && std::getline(script, line); ++number) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == '#') continue;  // blank line or comment
        auto [name, args] = SplitLine(text, table);
        try {
            const auto found = table.find(name);
            if (found == table.end()) throw UsageError("unknown command '" + name + "'");
            const Command& command = found->second;
            const int count = static_cast<int>(args.size());
            const int most = command.maxArgs < 0 ? 1 : command.maxArgs;
            if (count < command.minArgs || count > most)
                throw UsageError("wrong number of arguments for '" + name + "'");
            RunOne(command, context, name, args);
        } catch (const UsageError& error) {
            out.flush();
            err << "error: line " << number << ": " << error.what() << '\n';
            return 2;
        }
        if (context.stop) break;
    }
    const bool failed = session.refusedFiles != refusedBefore ||
                        view.ErrorEntries() != errorsBefore ||
                        view.ClipboardFailures() != clipboardBefore || context.notDone > 0;
    return failed ? 1 : 0;
}

}  // namespace gft::cli
