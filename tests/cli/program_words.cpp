// Prints every word a grindfnt script takes, and every key of the editor,
// one a line, read from the program's own tables, so that the tests of the
// manual pages catch a word added later:
//   script WORD          the first word of a script line ("load", "select", "ed")
//   script WORD MEMBER   a command of the command table with its second word
//                        ("select all", "ed mirror-h")
//   option NAME          a name of "option NAME on|off"
//   key KEY              a key of the editor's window ("Ctrl+N")
//   format WORD          a format of "grindfnt export" ("bitmap")
#include <iostream>

#include "commands/command_table.h"
#include "runner.h"
#include "session/toggles.h"

int main() {
    for (const auto& [word, command] : gft::cli::Commands())
        std::cout << "script " << word << '\n';
    for (const gft::CommandSpec& command : gft::Commands())
        if (command.runnerWord != nullptr) std::cout << "script " << command.runnerWord << '\n';
    for (const gft::CommandSpec& command : gft::Commands())
        if (*command.shortcut != '\0') std::cout << "key " << command.shortcut << '\n';
    for (int k = 0; k < gft::kToggleCount; ++k)
        std::cout << "option " << gft::ToggleName(static_cast<gft::Toggle>(k)) << '\n';
    for (const gft::cli::ExportFormat& format : gft::cli::ExportFormats())
        std::cout << "format " << format.word << '\n';
}
