#pragma once

#include <cstdio>
#include <optional>

#include "app/startup.h"

namespace gft {
class Session;
}

namespace gft::ui {

class Dialogs;

// What the program does after start-up when the window is not to run.
// Help: the help text goes to out and is flushed before the help box (with
// the information icon) waits, so a script reads it at once; the status is
// 0 when help was asked for, 2 for a bad switch or path. Abort: the last log
// line goes to err and into a box. Returns the exit status when the program
// ends here, nothing when the window is to be shown.
std::optional<int> EndOfStartup(const StartupResult& result, const Session& session,
                                Dialogs& dialogs, std::FILE* out, std::FILE* err);

}  // namespace gft::ui
