#include "session/undo_step.h"

#include "session/change_marks.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

void ShowHistory(Session& session) {
    session.view.HistoryChanged(session.history.UndoName(), session.history.RedoName());
}

UndoStep::UndoStep(Session& session, std::string name) : session_(session), name_(std::move(name)) {
    if (session_.stepDepth++ == 0) session_.history.Rebase(session_.font);
}

UndoStep::~UndoStep() {
    if (--session_.stepDepth != 0) return;
    if (session_.history.Record(session_.font, name_)) ShowHistory(session_);
}

void UndoStep::Abandon() {
    if (session_.stepDepth != 1) return;
    session_.history.RevertToCurrent(session_.font);
    RedrawTiles(session_, 0, 255);
    session_.setMaxWidth();
}

void ResetHistory(Session& session) {
    session.history.Reset(session.font);
    ShowHistory(session);
    ShowChangeMarks(session);
}

void MarkHistorySaved(Session& session) {
    session.history.MarkSaved(session.font);
    ShowHistory(session);
    ShowChangeMarks(session);
}

}  // namespace gft
