#pragma once

#include <string>

namespace gft {

class Session;

// Makes one command one undoable step: whatever the command changes in the
// glyphs, the height or the selection becomes a step with this name (the
// command's caption without "&" and "..."). Commands nested in another record
// nothing of their own.
class UndoStep {
  public:
    UndoStep(Session& session, std::string name);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

  private:
    Session& session_;
    std::string name_;
};

// A fresh history: after a load or a new font.
void ResetHistory(Session& session);
// The font now equals the file: after a save.
void MarkHistorySaved(Session& session);

// Edit menu "Undo" (Ctrl+Z) and "Redo" (Ctrl+Y): restore the state before or
// after a step, redraw what changed and log "Undo " or "Redo " + its name.
void mnuUndo_Click(Session& session);
void mnuRedo_Click(Session& session);

}  // namespace gft
