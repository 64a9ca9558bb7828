#pragma once

#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "console_view.h"
#include "session/session.h"

namespace gft::cli {

// A script line the runner cannot carry out.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct RunContext {
    Session& session;
    ConsoleView& view;
    std::ostream& out;
    bool stop = false;  // the window closed: the script ends here
    int notDone = 0;    // commands given a file that never asked for it
};

using Args = std::vector<std::string>;

struct Command {
    int minArgs;
    int maxArgs;  // -1: the rest of the line is one argument
    std::function<void(RunContext&, const Args&)> run;
};

using CommandTable = std::map<std::string, Command>;

// Each group of commands adds itself here.
void AddTableCommands(CommandTable& table);
void AddFileCommands(CommandTable& table);
void AddGlyphCommands(CommandTable& table);
void AddEditorCommands(CommandTable& table);
void AddTypefaceCommands(CommandTable& table);

const CommandTable& Commands();

// The formats of "grindfnt export FORMAT": the word and the export command's
// control name.
struct ExportFormat {
    const char* word;
    const char* control;
};
const std::vector<ExportFormat>& ExportFormats();

// Parses "65", "0x41" into a code 0..255; throws UsageError otherwise.
int ParseCode(const std::string& text);
// A decimal or 0x-hex number in min..max; throws UsageError naming what.
int ParseNumber(const std::string& text, int min, int max, const std::string& what);
bool ParseOnOff(const std::string& text);

// Typefaces: "PATH SIZE [cp1250|cp1252|iso8859-2]" as the typeface dialog's
// answer (the path may hold spaces); throws UsageError otherwise.
TypefaceRequest ParseTypefaceArguments(const std::string& line);
// "PATH [NUMBER]": the path, and the last of two or more words when it is
// meant as a number: a word without "." and "/", or one that starts with a
// digit or a sign (so "my font.bdf" is a path, "out.bdf abc" a bad number).
std::pair<std::string, std::optional<std::string>> SplitTrailingNumber(const std::string& line);
// "PATH [ASCENT] [cp1250|cp1252|iso8859-2]": the path, and the TrueType
// export's answers given after it.
std::pair<std::string, TrueTypeAnswer> ParseTrueTypeArguments(const std::string& line);

// Runs a script, one command a line, until its end, an Esc that closes the
// window or a termination signal. Returns the exit status: 2 after the first
// bad line (reported on err as "error: line N: ..."); otherwise 1 when a
// command logged an "Error #" entry (a failed save or export), a load,
// merge, compare, import or paste refused its file, the clipboard file could
// not be read or written, or a command given a file did nothing (no font
// loaded), else 0.
int RunScript(std::istream& script, Session& session, ConsoleView& view, std::ostream& out,
              std::ostream& err);

}  // namespace gft::cli
