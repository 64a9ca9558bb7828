#include "app/shutdown.h"

#include <unistd.h>

#include "commands/editor/char_editor.h"
#include "commands/window/settings.h"
#include "format/tile_bitmap.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

void RemoveWorkingFolder(const std::string& folder) {
    // Without a working folder the names would point into the current folder.
    if (folder.empty()) return;
    for (int code = 0; code < 256; ++code)
        DeleteFile(folder + TileFileName(code));
    DeleteFile(folder + "Thumbs.db");
    ::rmdir(folder.c_str());
}

}  // namespace

void Shutdown(Session& session) {
    RemoveWorkingFolder(session.TempFolder);
    session.tileCache.Forget();
    try {
        SaveINI(session);
    } catch (const AppError&) {
    }
    HideCharEditor(session);
    RestoreStartFolder(session.StartFolder);
}

}  // namespace gft
