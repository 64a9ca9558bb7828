#include "app/shutdown.h"

#include "app/recovery.h"
#include "app/session.h"
#include "app/settings.h"
#include "app/work_folder_lock.h"
#include "editor/char_editor.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

void Shutdown(Session& session) {
    KeepRecoveryCopy(session, std::chrono::steady_clock::now(), true);
    RemoveWorkingFolder(session.TempFolder);
    session.tileCache.Forget();
    try {
        SaveINI(session);
    } catch (const AppError&) {
    }
    HideCharEditor(session);
    RestoreStartFolder(session.StartFolder);
}

void mnuExit_Click(Session& session) {
    session.view.CloseRequested();
}

}  // namespace gft
