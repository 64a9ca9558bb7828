// Script commands for the undo history, New FNT and Save FNT.
#include "commands/window/history_commands.h"
#include "commands/files/file_commands.h"
#include "runner.h"
#include "session/undo_step.h"

namespace gft::cli {

void AddHistoryCommands(CommandTable& table) {
    table["undo"] = {0, 0, [](RunContext& run, const Args&) { UndoLastStep(run.session); }};
    table["redo"] = {0, 0, [](RunContext& run, const Args&) { RedoNextStep(run.session); }};
    table["new"] = {1, 1, [](RunContext& run, const Args& args) {
                        const int height = ParseNumber(args[0], 1, 255, "a font height 1..255");
                        run.view.AnswerNextHeight(height);
                        AskNewFont(run.session);
                    }};
    table["quick-save"] = {0, 0, [](RunContext& run, const Args&) { SaveFont(run.session); }};
}

}  // namespace gft::cli
