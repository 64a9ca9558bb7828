// Script commands of the settings menu and of recovery copies.
#include "commands/files/recovery.h"
#include "commands/window/settings.h"
#include "runner.h"

namespace gft::cli {

void AddShellCommands(CommandTable& table) {
    table["load-settings"] = {0, 0,
                              [](RunContext& run, const Args&) { LoadSettings(run.session); }};
    table["save-settings"] = {0, 0,
                              [](RunContext& run, const Args&) { SaveSettings(run.session); }};
    table["recover"] = {0, 0, [](RunContext& run, const Args&) { RecoverUnsavedChanges(run.session); }};
    table["discard-recovery"] = {
        0, 0, [](RunContext& run, const Args&) { DiscardRecoveredChanges(run.session); }};
}

}  // namespace gft::cli
