#include "commands/move_copy.h"

#include "app/session.h"

namespace gft {

void CancelMove(Session& session) {
    if (!session.MovePending) return;
    session.view.PickUpChanged(-1, "");
    if (session.font.FontLoaded) session.ShowReadyStatus();
    session.MovePending = false;
}

}  // namespace gft
