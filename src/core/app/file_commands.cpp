#include "app/file_commands.h"

#include "app/session.h"
#include "commands/move_copy.h"
#include "editor/char_editor.h"
#include "font/eight_bit_import.h"
#include "font/fnt_reader.h"
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

void RunReader(Session& session, const std::string& path, std::uint8_t mode) {
    switch (mode) {
        case kModeEightBit:
            ImportEightBitFont(session, path, false);
            break;
        case kModeAtari:
            ImportEightBitFont(session, path, true);
            break;
        default:
            ReadFntFile(session, path, static_cast<OpenMode>(mode));
            break;
    }
}

// The busy pointer was already restored by the failed operation's BusyPointer.
void ReportError(Session& session, const AppError& error) {
    session.Log(error.LogEntry());
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
        remembered.empty() ? JoinPath(session.ProgramFolder, kind.pattern) : remembered;
    try {
        const auto chosen = session.view.AskFileName(request);
        if (!chosen) return;
        session.FilePaths[mode] = *chosen;
        RunReader(session, *chosen, mode);
    } catch (const AppError& error) {
        ReportError(session, error);
    }
}

void cmdLoadFNT_Click(Session& session) {
    OpenFontFile(session, kModeLoad);
}

void cmdMergeFNT_Click(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeMerge);
}

void cmdCmpFNT_Click(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeCompare);
}

void mnuImportAtari_Click(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeAtari);
}

void mnuImport8bit_Click(Session& session) {
    if (session.font.FontLoaded) OpenFontFile(session, kModeEightBit);
}

void LoadFontFile(Session& session, const std::string& path) {
    try {
        ReadFntFile(session, path, kModeLoad);
    } catch (const AppError& error) {
        ReportError(session, error);
    }
}

void DropLoad(Session& session, const std::vector<std::string>& files) {
    if (files.empty()) {
        session.Log("Nothing to load: the drop holds no file");
        return;
    }
    session.FilePaths[kModeLoad] = files.front();
    LoadFontFile(session, files.front());
}

}  // namespace gft
