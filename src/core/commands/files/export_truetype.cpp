#include "commands/files/export_truetype.h"

#include <ctime>

#include "commands/files/transfer_dialog.h"
#include "commands/glyphs/move_copy.h"
#include "format/glyph_analysis.h"
#include "format/ttf_names.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kFilter = "TrueType font (*.ttf)|*.ttf|All files (*.*)|*.*";
constexpr const char* kOperation = "ExportTrueType";

}  // namespace

void AskExportTrueType(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const auto path = AskNewFilePath(session, "Export as TrueType font", kFilter, "*.ttf");
    if (!path) return;
    TrueTypeOptions suggested;
    suggested.ascent = EstimateBaseline(session.font);
    suggested.family = FamilyOfPath(*path);
    const auto options = session.view.AskTrueType(suggested, session.font.FontHeight);
    if (!options) return;
    ExportTrueTypeTo(session, *path, *options);
}

bool ExportTrueTypeTo(Session& session, const std::string& path, TrueTypeOptions options) {
    BusyPointer busy(session.view);
    options.made = std::time(nullptr);
    const TrueTypeExport font = ExportTrueType(session.font, options);
    if (!font.ok()) {
        session.Log(font.error);
        ++session.refusedFiles;
        return false;
    }
    try {
        WriteByteArray(path, font.bytes);
    } catch (const AppError& error) {
        RestoreStartFolder(session.StartFolder);
        session.Log(AppError(error.number(), kOperation, error.description()).LogEntry());
        return false;
    }
    RestoreStartFolder(session.StartFolder);
    for (const std::string& note : font.notes)
        session.Log(note);
    session.Log("Exported TrueType font to " + path + " (" + std::to_string(font.characters) +
                " glyphs)");
    return true;
}

}  // namespace gft
