#include "app/startup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/work_folder_lock.h"
#include "commands/files/file_commands.h"
#include "commands/files/recovery.h"
#include "commands/window/settings.h"
#include "session/preview.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kStartHint = "Load FNT (use Button / Drag and Drop / Command Line)";
constexpr const char* kFoldersTaken = "ERROR: Make shure your Temporary Folder is Empty!";

std::string FirstSet(const StartupEnvironment& environment,
                     std::initializer_list<const char*> names) {
    for (const char* name : names) {
        std::string value = environment.getenv(name);
        if (!value.empty()) return value;
    }
    return {};
}

// Runs the command line; Help when it asks for the help box.
StartupResult RunCommandLine(Session& session, const StartupEnvironment& environment) {
    if (environment.arguments.empty()) return {};
    const CommandLineRequest request = ExamineArguments(
        environment.arguments, environment.currentFolder, environment.programFolder);
    if (request.unknownSwitch || request.badPath) return {StartupAction::Help, 2};
    if (request.help) return {StartupAction::Help, 0};
    if (!request.fontPath.empty()) {
        session.FilePaths[kModeLoad] = request.fontPath;
        LoadFontFile(session, request.fontPath);
    }
    return {};
}

}  // namespace

StartupEnvironment ProcessEnvironment(std::string programFolder,
                                      std::vector<std::string> arguments) {
    StartupEnvironment environment;
    environment.getenv = [](const std::string& name) {
        const char* value = std::getenv(name.c_str());
        return std::string(value ? value : "");
    };
    environment.programFolder = std::move(programFolder);
    environment.currentFolder = CurrentFolder();
    environment.arguments = std::move(arguments);
    return environment;
}

std::string WorkingFolderBase(const StartupEnvironment& environment) {
    // XDG_RUNTIME_DIR is the desktop's per-user folder in memory: the tile
    // files are written on every redraw, and a disk makes that slow.
    std::string base = FirstSet(environment, {"TMP", "TEMP", "TMPDIR", "XDG_RUNTIME_DIR"});
    if (base.empty() || GetFileLength(base) == -1) base = environment.programFolder;
    if (!FolderWritable(base)) base = environment.systemTempFolder;
    return base;
}

std::string SettingsFolderFor(const StartupEnvironment& environment, const std::string& base) {
    std::string folder = FirstSet(environment, {"APPDATA", "XDG_CONFIG_HOME"});
    if (folder.empty()) {
        const std::string home = environment.getenv("HOME");
        folder = home.empty() ? base : JoinPath(home, ".config");
    }
    return JoinPath(folder, "Grind FNT Tool");
}

std::string UserFolderFor(const StartupEnvironment& environment) {
    for (const std::string& folder : {environment.documentsFolder, environment.getenv("HOME")})
        if (FolderExists(folder)) return folder;
    return {};
}

std::string CreateWorkingFolder(const std::string& base) {
    for (int n = 0; n <= 9999; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "GFTT%04d", n);
        const std::string folder = JoinPath(base, name);
        if (GetFileLength(folder) != -1) continue;
        if (::mkdir(folder.c_str(), 0777) != 0) throw AppError::FromErrno(errno, "MkDir");
        return folder + kPathSeparator;
    }
    return {};
}

StartupResult Startup(Session& session, const StartupEnvironment& environment) {
    session.SetEditStatus(0);
    session.EditorChar = 65;
    session.StartFolder = environment.currentFolder;
    session.ProgramFolder = environment.programFolder;
    session.UserFolder = UserFolderFor(environment);
    const std::string base = WorkingFolderBase(environment);
    session.SettingsFolder = SettingsFolderFor(environment, base);
    RemoveAbandonedWorkingFolders(base);
    try {
        session.TempFolder = CreateWorkingFolder(base);
    } catch (const AppError& error) {
        session.Log(error.LogEntry());
        return {StartupAction::Abort, 1};
    }
    if (session.TempFolder.empty()) {
        session.Log(kFoldersTaken);
        return {StartupAction::Abort, 1};
    }
    LockWorkingFolder(session.TempFolder);
    LoadINI(session);
    LoadTileImages(session, 0, 255);
    const StartupResult result = RunCommandLine(session, environment);
    if (result.action == StartupAction::Help) {
        RemoveWorkingFolder(session.TempFolder);
        return result;
    }
    session.Log(session.Title() + " loaded");
    session.SetStatus(kStartHint);
    // Last, so that the command line's font does not push it out of sight.
    OfferRecoveryCopies(session);
    return result;
}

}  // namespace gft
