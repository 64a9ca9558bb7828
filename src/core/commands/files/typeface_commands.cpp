#include "commands/files/typeface_commands.h"

#include "commands/editor/char_editor.h"
#include "commands/files/save_font.h"
#include "commands/files/transfer_dialog.h"
#include "commands/glyphs/move_copy.h"
#include "format/bdf_export.h"
#include "format/glyph_analysis.h"
#include "format/typeface_import.h"
#include "session/notices.h"
#include "session/preview.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kBdfFilter = "BDF font (*.bdf)|*.bdf|All files (*.*)|*.*";

}  // namespace

void AskImportTypeface(Session& session) {
    CancelMove(session);
    TypefaceRequest last = session.typefaceRequest;
    if (last.path.empty()) last.folder = FirstDialogFolder(session);
    const auto request = session.view.AskTypeface(last);
    if (!request) return;
    session.typefaceRequest = *request;
    if (ImportTypeface(session, *request)) return;
    NoticeRefusedFile(session, "import", request->path);
    ++session.refusedFiles;
}

bool ImportTypeface(Session& session, const TypefaceRequest& request) {
    CancelMove(session);
    TypefaceOptions options;
    options.pixelSize = request.pixelSize;
    options.codePage = request.codePage;
    options.thresholdPercent = request.thresholdPercent;
    TypefaceImport import;
    {
        BusyPointer busy(session.view);
        import = ImportTypefaceFile(request.path, options);
    }
    if (!import.ok()) {
        session.Log(import.error);
        return false;
    }
    HideCharEditor(session);
    session.font = std::move(import.font);
    session.fontFile.clear();
    session.FilePaths[kModeSave].clear();
    RedrawTiles(session, 0, 255);
    session.SetEditStatus(2);
    session.Log("Imported " + std::to_string(import.characters) + " characters from " +
                FileNameOf(request.path) + " at " + std::to_string(request.pixelSize) +
                " px (height " + std::to_string(session.font.FontHeight) + ")");
    WarnIfTooLargeToSave(session);
    return true;
}

void AskExportBdf(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const auto path = AskNewFilePath(session, "Export as BDF font", kBdfFilter, "*.bdf");
    if (!path) return;
    const int height = session.font.FontHeight;
    const auto ascent = session.view.AskNumber(
        "BDF font", "Rows above the baseline (0.." + std::to_string(height) + "):",
        EstimateBaseline(session.font), 0, height);
    if (!ascent) return;
    ExportBdfTo(session, *path, *ascent);
}

bool ExportBdfTo(Session& session, const std::string& path, int ascent) {
    const BdfExport bdf = ExportBdf(session.font, ascent);
    if (!bdf.ok()) {
        session.Log(bdf.error);
        return false;
    }
    try {
        BusyPointer busy(session.view);
        WriteByteArray(path, Bytes(bdf.text.begin(), bdf.text.end()), Sync::Now,
                       session.interrupted);
    } catch (const AppError& error) {
        ReportFileError(session, error, "write", path);
        return false;
    }
    session.Log("Exported BDF font to " + path);
    return true;
}

}  // namespace gft
