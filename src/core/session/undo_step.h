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

    // The command failed midway: the font, its height and selection go back
    // to what they were when the outermost step began, and the tiles with it.
    void Abandon();

  private:
    Session& session_;
    std::string name_;
};

// A fresh history: after a load or a new font.
void ResetHistory(Session& session);
// The font now equals the file: after a save.
void MarkHistorySaved(Session& session);

// Tells the view what Undo and Redo would do now.
void ShowHistory(Session& session);

}  // namespace gft
