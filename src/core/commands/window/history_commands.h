#pragma once

namespace gft {

class Session;

// Edit menu "Undo" (Ctrl+Z) and "Redo" (Ctrl+Y): restore the state before or
// after a step, redraw what changed and log "Undo " or "Redo " + its name.
void UndoLastStep(Session& session);
void RedoNextStep(Session& session);

}  // namespace gft
