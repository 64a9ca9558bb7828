#include "app/shutdown.h"

#include "app/work_folder_lock.h"
#include "commands/editor/char_editor.h"
#include "commands/files/recovery.h"
#include "commands/window/settings.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

void Shutdown(Session& session) {
    KeepRecoveryCopyNow(session);
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
