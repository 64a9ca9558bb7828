#include "commands/files/save_font.h"

#include <algorithm>
#include <utility>

#include "commands/files/recent_fonts.h"
#include "commands/files/recovery.h"
#include "commands/files/transfer_dialog.h"
#include "commands/glyphs/move_copy.h"
#include "format/fnt_format.h"
#include "format/fnt_writer.h"
#include "format/selection_table.h"
#include "session/notices.h"
#include "session/session.h"
#include "session/undo_step.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

void WriteSelectionTable(const Session& session, const std::string& destination) {
    const std::string lok = LokPath(destination);
    if (lok == destination) return;  // a font saved as "*.lok" is not its own table
    const auto& selected = session.font.Selected;
    const bool any = std::any_of(selected.begin(), selected.end(), [](auto v) { return v != 0; });
    if (!any) {
        if (IsRegularFile(lok)) DeleteFile(lok);
        return;
    }
    WriteByteArray(lok, Bytes(selected.begin(), selected.end()));
    RestoreStartFolder(session.StartFolder);
}

}  // namespace

bool SaveFontTo(Session& session, std::string destination) {
    if (destination.size() < 4) destination = JoinPath(session.ProgramFolder, "output.fnt");
    std::string before = std::exchange(session.FilePaths[kModeSave], destination);
    try {
        const Bytes image = BuildFntImage(session.font, session.On(Toggle::Compress));
        WriteByteArray(destination, image, Sync::Now, session.interrupted);
        RestoreStartFolder(session.StartFolder);
        if (session.On(Toggle::SaveThisFormat)) WriteSelectionTable(session, destination);
    } catch (const AppError& error) {
        // A destination that failed is not remembered: the next dialog
        // would open in its folder, which may be one no dialog should list.
        session.FilePaths[kModeSave] = std::move(before);
        ReportFileError(session, error, "save", destination);
        return false;
    }
    session.fontFile = destination;
    session.SetEditStatus(0);
    MarkHistorySaved(session);
    ForgetRecoveryCopy(session);
    RememberRecentFont(session, destination);
    return true;
}

void WarnIfTooLargeToSave(Session& session) {
    const std::size_t size = FntDataBlockSize(session.font, session.On(Toggle::Compress));
    if (size > fnt::kMaxWrittenBlock)
        session.Log("The font is larger than the file format can hold: " + GlyphDataTooLarge(size));
}

void SaveFontAs(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    FileDialogRequest request;
    request.title = kSaveDialogTitle;
    request.filter = kSaveDialogFilter;
    request.save = true;
    const std::string& destination = session.FilePaths[kModeSave];
    request.initialName =
        destination.empty() ? JoinPath(FirstDialogFolder(session), "*.fnt") : destination;
    request.defaultExtension = "fnt";
    const auto chosen = session.view.AskFileName(request);
    if (!chosen) return;
    SaveFontTo(session, *chosen);
}

}  // namespace gft
