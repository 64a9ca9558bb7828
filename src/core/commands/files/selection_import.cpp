#include "commands/files/selection_import.h"

#include <algorithm>
#include <optional>

#include "commands/files/transfer_dialog.h"
#include "commands/glyphs/move_copy.h"
#include "format/selection_table.h"
#include "session/notices.h"
#include "session/preview.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

const TransferDialogKind kDialog{
    TransferDialog::ImportSelections, "Select selection table (lok) to Import",
    "Selection table (*.lok)|*.lok|All files (*.*)|*.*", ".lok", false};

// The table's length, or nothing for a file that is not there.
std::optional<std::int64_t> TableLength(Session& session, const std::string& path) {
    const std::int64_t length = GetFileLength(path);
    if (length != -1 && IsRegularFile(path)) return length;
    session.Log("File not found!");
    return std::nullopt;
}

}  // namespace

void ImportSelections(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const auto path = AskTransferPath(session, kDialog);
    if (!path) return;
    const auto length = TableLength(session, *path);
    if (!length) {
        NoticeRefusedFile(session, "import", *path);
        ++session.refusedFiles;
        return;
    }
    // A table of another length is still read as far as it goes.
    if (const auto warning = SelectionTableSizeWarning(*length)) {
        session.Log(*warning);
        ++session.refusedFiles;
    }
    auto selected = session.font.Selected;
    try {
        BusyPointer busy(session.view);
        ApplySelectionTable(ReadFileBytes(*path, selected.size(), "ImportSelections"), selected);
        RestoreStartFolder(session.StartFolder);
    } catch (const AppError& error) {
        RestoreStartFolder(session.StartFolder);
        ReportFileError(session, error, "import", *path);
        ++session.refusedFiles;
        return;
    }
    if (selected != session.font.Selected) {
        session.font.Selected = selected;
        RedrawTiles(session, 0, 255);
        session.SetEditStatus(1);
    }
    const auto count = std::count(selected.begin(), selected.end(), 1);
    session.Log("Selection table imported, " + std::to_string(count) + " characters selected");
}

}  // namespace gft
