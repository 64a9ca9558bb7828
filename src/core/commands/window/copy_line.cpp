#include "commands/window/copy_line.h"

#include "session/session.h"

namespace gft {

void CopyLogLine(Session& session) {
    if (const auto line = session.view.SelectedLogLine()) session.view.CopyToClipboard(*line);
}

}  // namespace gft
