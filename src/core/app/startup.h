#pragma once

#include <functional>
#include <string>
#include <vector>

namespace gft {

class Session;

// What start-up needs from the process, so that tests can supply their own.
struct StartupEnvironment {
    std::function<std::string(const std::string&)> getenv;  // "" when unset
    std::string programFolder;
    std::string currentFolder;
    std::vector<std::string> arguments;  // argv[1..], one element one argument
    std::string systemTempFolder = "/tmp";
    // The desktop's documents folder ("" when the desktop names none).
    std::string documentsFolder;
};

// The real process: its environment and current folder, with the program
// folder and the arguments the caller has.
StartupEnvironment ProcessEnvironment(std::string programFolder,
                                      std::vector<std::string> arguments);

enum class StartupAction {
    Run,    // show the window
    Help,   // show CommandLineHelpText() in an information box, then end
    Abort,  // no working folder could be had (logged); end
};

struct StartupResult {
    StartupAction action = StartupAction::Run;
    int exitCode = 0;  // for Help: 0 when asked for, 2 for a bad switch or path
};

// The main window's start-up: title, editor glyph, folders, the working
// folder GFTT0000..GFTT9999, the settings, blank tiles, the command line
// (which may load a font), the " loaded" line and the start hint. On Help the
// working folder, still empty, is removed again.
StartupResult Startup(Session& session, const StartupEnvironment& environment);

// Parts of start-up, on their own for the runner and the tests.
std::string WorkingFolderBase(const StartupEnvironment& environment);
std::string SettingsFolderFor(const StartupEnvironment& environment, const std::string& base);
// The user's folder for the file dialogs: the documents folder when it
// exists, else the home folder when that does; "" when neither does.
std::string UserFolderFor(const StartupEnvironment& environment);
// Creates the first free base/GFTTnnnn and returns it with a trailing "/";
// "" when all 10000 names are taken. Throws AppError (errno, "MkDir") when
// the free name cannot be made.
std::string CreateWorkingFolder(const std::string& base);

}  // namespace gft
