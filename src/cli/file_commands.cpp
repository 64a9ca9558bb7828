// Script commands over the session: options, title, status, the log.

#include "commands/files/recovery.h"
#include "commands/window/log_commands.h"
#include "commands/window/option_commands.h"
#include "format/glyph_dump.h"
#include "runner.h"

namespace gft::cli {

namespace {

void SetOption(RunContext& run, const Args& args) {
    const auto toggle = ToggleFromName(args[0]);
    if (!toggle) throw UsageError("unknown option '" + args[0] + "'");
    SetToggle(run.session, *toggle, ParseOnOff(args[1]));
}

}  // namespace

void AddFileCommands(CommandTable& table) {
    table["option"] = {2, 2, SetOption};
    table["title"] = {0, 0,
                      [](RunContext& run, const Args&) { run.out << run.session.Title() << '\n'; }};
    table["status"] = {
        0, 0, [](RunContext& run, const Args&) { run.out << run.session.StatusLine() << '\n'; }};
    table["dump"] = {1, 1, [](RunContext& run, const Args& args) {
                         run.out << DumpGlyph(run.session.font, ParseCode(args[0]));
                     }};
    // The unsaved changes of ended runs, numbered as "recover N" takes them.
    table["recoveries"] = {0, 0, [](RunContext& run, const Args&) {
                               const auto lines = ListRecoveryCopies(run.session);
                               if (lines.empty()) run.out << kNoRecoveryCopies << '\n';
                               for (const std::string& line : lines)
                                   run.out << line << '\n';
                           }};
    table["log-dblclick"] = {
        1, -1, [](RunContext& run, const Args& args) { OpenLogLine(run.session, args[0]); }};
}

}  // namespace gft::cli
