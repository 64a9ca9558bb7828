// Script commands over fonts and files: opening, saving, options, the log.
#include "commands/files/file_commands.h"

#include "commands/files/save_font.h"
#include "commands/window/log_commands.h"
#include "commands/window/option_commands.h"
#include "glyph_dump.h"
#include "runner.h"

namespace gft::cli {

namespace {

// A command that answers the file dialog of a menu command with a path.
Command WithDialogAnswer(void (*menuCommand)(Session&)) {
    return {1, -1, [menuCommand](RunContext& run, const Args& args) {
                run.view.AnswerNextDialog(args[0]);
                menuCommand(run.session);
                run.view.AnswerNextDialog({});
            }};
}

void SetOption(RunContext& run, const Args& args) {
    const auto toggle = ToggleFromName(args[0]);
    if (!toggle) throw UsageError("unknown option '" + args[0] + "'");
    SetToggle(run.session, *toggle, ParseOnOff(args[1]));
}

}  // namespace

void AddFileCommands(CommandTable& table) {
    table["load"] = WithDialogAnswer(LoadFont);
    table["merge"] = WithDialogAnswer(MergeFont);
    table["compare"] = WithDialogAnswer(CompareFont);
    table["import-atari"] = WithDialogAnswer(ImportAtariFont);
    table["import-8bit"] = WithDialogAnswer(ImportAnyEightBitFont);
    table["save"] = WithDialogAnswer(SaveFontAs);
    table["option"] = {2, 2, SetOption};
    table["title"] = {0, 0,
                      [](RunContext& run, const Args&) { run.out << run.session.Title() << '\n'; }};
    table["status"] = {
        0, 0, [](RunContext& run, const Args&) { run.out << run.session.StatusLine() << '\n'; }};
    table["dump"] = {1, 1, [](RunContext& run, const Args& args) {
                         run.out << DumpGlyph(run.session.font, ParseCode(args[0]));
                     }};
    table["clear-log"] = {0, 0, [](RunContext& run, const Args&) { ClearMessageLog(run.session); }};
    table["log-dblclick"] = {
        1, -1, [](RunContext& run, const Args& args) { OpenLogLine(run.session, args[0]); }};
}

}  // namespace gft::cli
