#pragma once

namespace gft {

class Session;

// "Copy line" (Ctrl+C): the selected log line, as logged, to the clipboard.
// Nothing happens when no line is selected.
void CopyLogLine(Session& session);

}  // namespace gft
