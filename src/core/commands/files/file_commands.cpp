#include "commands/files/file_commands.h"

#include "commands/editor/char_editor.h"
#include "commands/editor/compare_overlay.h"
#include "commands/files/import_font.h"
#include "commands/files/read_font.h"
#include "commands/files/recent_fonts.h"
#include "commands/files/save_font.h"
#include "commands/files/transfer_dialog.h"
#include "commands/glyphs/move_copy.h"
#include "session/notices.h"
#include "session/preview.h"
#include "session/session.h"
#include "session/undo_step.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kFntFilter = "Grindlemoor Font (*.fnt)|*.fnt|All files (*.*)|*.*";
constexpr const char* kAtariFilter =
    "All Supported Atari Fonts (*.fnt;*.f80)|*.fnt;*.f80|Standard Atari Font (*.fnt)|*.fnt|"
    "80 Columns Atari Font (*.f80)|*.f80|All files (*.*)|*.*";
constexpr const char* kEightBitFilter =
    "8-bit binary Fonts (*.fnt;*.bin)|*.fnt;*.bin|8-bit Font (*.fnt)|*.fnt|"
    "8-bit Font (*.bin)|*.bin|All files (*.*)|*.*";

// Returns false when the reader or the import refused the file.
bool RunReader(Session& session, const std::string& path, std::uint8_t mode) {
    switch (mode) {
        case kModeEightBit:
            return ImportEightBitFont(session, path, false);
        case kModeAtari:
            return ImportEightBitFont(session, path, true);
        default:
            return ReadFntFile(session, path, static_cast<OpenMode>(mode)).accepted;
    }
}

// What the notification strip says a mode's file could not be.
std::string ActionOf(std::uint8_t mode) {
    switch (mode) {
        case kModeLoad:
            return "load";
        case kModeMerge:
            return "merge";
        case kModeCompare:
            return "compare with";
        default:
            return "import";
    }
}

// Runs the reader of the mode on the chosen file. A loaded font joins the
// recent fonts; a refused file or an unexpected error (the busy pointer
// already restored by the failed operation) is also said in the strip.
void ReadChosenFile(Session& session, std::uint8_t mode, const std::string& path) {
    session.FilePaths[mode] = path;
    try {
        if (RunReader(session, path, mode)) {
            if (mode == kModeLoad) RememberRecentFont(session, path);
            return;
        }
        NoticeRefusedFile(session, ActionOf(mode), path);
    } catch (const AppError& error) {
        ReportFileError(session, error, ActionOf(mode), path);
    }
    ++session.refusedFiles;
}

}  // namespace

OpenDialogKind DialogKindFor(std::uint8_t mode) {
    switch (mode) {
        case kModeLoad:
            return {"Select Grindlemoor FNT file to Load", kFntFilter, "*.fnt"};
        case kModeMerge:
            return {"Select Grindlemoor FNT file to Merge with", kFntFilter, "*.fnt"};
        case kModeCompare:
            return {"Select Grindlemoor FNT file to Compare to", kFntFilter, "*.fnt"};
        case kModeAtari:
            return {"Select Atari 8-bit FNT file to Import over current font", kAtariFilter,
                    "*.fnt;*.f80"};
        case kModeEightBit:
            return {"Select 8-bit binary file to Import over current font", kEightBitFilter,
                    "*.fnt;*.bin"};
        default:
            return {nullptr, nullptr, nullptr};
    }
}

void OpenFontFile(Session& session, std::uint8_t mode) {
    CancelMove(session);
    HideCharEditor(session);
    const OpenDialogKind kind = DialogKindFor(mode);
    if (kind.title == nullptr) {
        session.Log("Internal Error: File open mode = " + std::to_string(mode));
        return;
    }
    FileDialogRequest request;
    request.title = kind.title;
    request.filter = kind.filter;
    const std::string& remembered = session.FilePaths[mode];
    request.initialName =
        remembered.empty() ? JoinPath(FirstDialogFolder(session), kind.pattern) : remembered;
    const auto chosen = session.view.AskFileName(request);
    if (chosen) ReadChosenFile(session, mode, *chosen);
}

void OpenChosenFile(Session& session, std::uint8_t mode, const std::string& path) {
    CancelMove(session);
    HideCharEditor(session);
    ReadChosenFile(session, mode, path);
}

void LoadFont(Session& session) {
    OpenFontFile(session, kModeLoad);
}

void MergeFont(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeMerge);
}

void CompareFont(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeCompare);
}

void ImportAtariFont(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeAtari);
}

void ImportAnyEightBitFont(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeEightBit);
}

void AskNewFont(Session& session) {
    CancelMove(session);
    const auto height = session.view.AskHeight(16);
    if (!height) return;
    if (*height < 1 || *height > 255) {
        session.Log("Font height must be 1 to 255, not " + std::to_string(*height));
        return;
    }
    NewFont(session, *height);
}

void NewFont(Session& session, int height) {
    CancelMove(session);
    HideCharEditor(session);
    session.font = EmptyFont(height);
    session.fontFile.clear();
    session.FilePaths[kModeSave].clear();
    RedrawTiles(session, 0, 255);
    ForgetComparedFont(session);
    session.SetEditStatus(0);
    ResetHistory(session);
    session.Log("New FNT created (height " + std::to_string(height) + ")");
}

void SaveFont(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    if (session.FilePaths[kModeSave].empty())
        SaveFontAs(session);
    else
        SaveFontTo(session, session.FilePaths[kModeSave]);
}

void LoadFontFile(Session& session, const std::string& path) {
    try {
        if (ReadFntFile(session, path, kModeLoad).accepted)
            RememberRecentFont(session, path);
        else
            NoticeRefusedFile(session, "load", path);
    } catch (const AppError& error) {
        ReportFileError(session, error, "load", path);
    }
}

void DropLoad(Session& session, const std::vector<std::string>& files) {
    BeginCommand(session);
    if (files.empty()) {
        session.Log("Nothing to load: the drop holds no file");
        return;
    }
    session.FilePaths[kModeLoad] = files.front();
    LoadFontFile(session, files.front());
}

}  // namespace gft
