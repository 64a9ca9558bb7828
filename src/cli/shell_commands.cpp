// Script commands of the settings menu and of recovery copies.
#include "app/recovery.h"
#include "app/settings.h"
#include "runner.h"

namespace gft::cli {

void AddShellCommands(CommandTable& table) {
    table["load-settings"] = {
        0, 0, [](RunContext& run, const Args&) { mnuLoadSettings_Click(run.session); }};
    table["save-settings"] = {
        0, 0, [](RunContext& run, const Args&) { mnuSaveSettings_Click(run.session); }};
    table["recover"] = {0, 0, [](RunContext& run, const Args&) { mnuRecover_Click(run.session); }};
    table["discard-recovery"] = {
        0, 0, [](RunContext& run, const Args&) { mnuDiscardRecovery_Click(run.session); }};
}

}  // namespace gft::cli
