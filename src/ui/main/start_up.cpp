#include "main/start_up.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/file_commands.h"
#include "app/session.h"
#include "render/preview.h"
#include "render/tile_bitmap.h"
#include "support/file_helpers.h"

namespace gft::ui {

namespace {

constexpr const char* kStartHint = "Load FNT (use Button / Drag and Drop / Command Line)";

std::string SystemTempFolder() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : folder.string();
}

}  // namespace

bool RunFolder::Create() {
    Remove();
    std::string pattern = JoinPath(SystemTempFolder(), "GFTT-XXXXXX");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) return false;
    path_ = std::string(name.data()) + "/";
    return true;
}

void RunFolder::Remove() {
    if (path_.empty()) return;
    for (int code = 0; code < 256; ++code)
        DeleteFile(path_ + TileFileName(code));
    ::rmdir(path_.c_str());
    path_.clear();
}

void StartUp(Session& session, RunFolder& folder, const std::string& programFolder,
             const std::vector<std::string>& arguments) {
    session.StartFolder = CurrentFolder();
    session.ProgramFolder = programFolder;
    if (!folder.Create()) session.Log("The working folder for the tile bitmaps could not be made");
    session.TempFolder = folder.Path();
    LoadTileImages(session, 0, 255);
    session.SetEditStatus(0);
    session.SetStatus(kStartHint);
    if (arguments.size() == 1) {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(arguments.front(), error);
        const std::string path = error ? arguments.front() : absolute.string();
        session.FilePaths[kModeLoad] = path;
        LoadFontFile(session, path);
    }
}

void ShutDown(RunFolder& folder) {
    folder.Remove();
}

}  // namespace gft::ui
