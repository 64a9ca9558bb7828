// Script commands of the settings menu.
#include "commands/window/settings.h"
#include "runner.h"

namespace gft::cli {

void AddShellCommands(CommandTable& table) {
    table["load-settings"] = {0, 0,
                              [](RunContext& run, const Args&) { LoadSettings(run.session); }};
    table["save-settings"] = {0, 0,
                              [](RunContext& run, const Args&) { SaveSettings(run.session); }};
}

}  // namespace gft::cli
