#include "commands/window/settings.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "commands/files/recent_fonts.h"
#include "commands/window/log_commands.h"
#include "commands/window/option_commands.h"
#include "commands/window/text_preview.h"
#include "commands/window/window_places.h"
#include "format/ini_file.h"
#include "session/notices.h"
#include "session/preview.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"
#include "support/version.h"

namespace gft {

namespace {

constexpr const char* kVersion = "Version";
constexpr const char* kPaths = "Paths";
constexpr const char* kOptions = "Options";

struct PathKey {
    const char* key;
    OpenMode mode;
};
constexpr PathKey kPathKeys[] = {
    {"Source", kModeLoad},
    {"Destination", kModeSave},
    {"SourceForMerge", kModeMerge},
    {"SourceForCompare", kModeCompare},
    {"SourceForAtariImport", kModeAtari},
    {"SourceFor8bitImport", kModeEightBit},
};

struct ToggleKey {
    const char* key;
    Toggle toggle;
};
// The option keys before and after the three base font keys, in file order.
constexpr ToggleKey kTogglesBeforeFont[] = {
    {"ShowFrames", Toggle::Frames},
    {"WidthMore8ToYellow", Toggle::YellowWidthMore8},
    {"ShowInvisibleParts", Toggle::DontCutBitmaps},
    {"UseSrcPathForOutput", Toggle::UseSrcPath},
    {"SkipDuplicates", Toggle::Compress},
    {"InverseCursor", Toggle::CrsrInv},
};
constexpr ToggleKey kTogglesAfterFont[] = {
    {"SaveGFTSelectionTable", Toggle::SaveThisFormat},
    {"MarkDifferent", Toggle::MarkDiff},
    {"MergeAll", Toggle::MergeAll},
    {"KeepProportions", Toggle::KeepProportions},
    {"ShowCompared", Toggle::ShowCompared},
};

// The folders of the export and import dialogs.
struct TransferKey {
    const char* key;
    TransferDialog dialog;
};
constexpr TransferKey kTransferKeys[] = {
    {"ExportBitmap", TransferDialog::ExportBitmap},
    {"ExportGrid", TransferDialog::ExportGrid},
    {"ExportAtari", TransferDialog::ExportAtari},
    {"Export8bit", TransferDialog::ExportEightBit},
    {"ExportHtml", TransferDialog::GenerateHtml},
    {"ExportSelections", TransferDialog::ExportSelections},
    {"SourceForPixmapImport", TransferDialog::ImportPixmap},
    {"SourceForSelections", TransferDialog::ImportSelections},
};

const char* OneOrZero(bool on) {
    return on ? "1" : "0";
}

// The shortest plain decimal that reads back as the same size: the reader
// takes no exponent, and six digits would not bring every size back.
std::string FontSizeText(double size) {
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, size, std::chars_format::fixed).ptr;
    return std::string(text, end);
}

// The current state is the default, so a missing key leaves the option alone.
void ApplyToggle(Session& session, const IniFile& file, const ToggleKey& entry) {
    std::string text = file.Get(kOptions, entry.key, OneOrZero(session.On(entry.toggle)));
    const bool on = IniFlag(text) != 0;
    if (IsMenuOnly(entry.toggle))
        SetMenuMark(session, entry.toggle, on);
    else
        SetToggle(session, entry.toggle, on);
}

void ApplyBaseFont(Session& session, const IniFile& file) {
    BaseFont& font = session.options.baseFont;
    font.name = file.Get(kOptions, "BaseFontName", font.name);
    const auto size = LeadingNumber(file.Get(kOptions, "BaseFontSize", FontSizeText(font.size)));
    if (size) font.size = std::fabs(*size);
    std::string bold = file.Get(kOptions, "BaseFontBold", OneOrZero(font.bold));
    font.bold = IniFlag(bold) != 0;
    session.view.BaseFontChanged(font);
}

// The settings folder and any missing folder above it: on a fresh account
// even the per-user configuration folder may not exist yet.
void MakeFolders(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw AppError::FromErrno(error.value(), "MkDir");
}

void ApplySettings(Session& session, const IniFile& file) {
    BusyPointer busy(session.view);
    for (const auto& entry : kPathKeys)
        session.FilePaths[entry.mode] = file.Get(kPaths, entry.key, "");
    for (const auto& entry : kTransferKeys)
        session.transferFolders[IndexOf(entry.dialog)] = file.Get(kPaths, entry.key, "");
    for (const auto& entry : kTogglesBeforeFont)
        ApplyToggle(session, file, entry);
    ApplyBaseFont(session, file);
    for (const auto& entry : kTogglesAfterFont)
        ApplyToggle(session, file, entry);
    ApplyPreviewSettings(session, file);
    ApplyWindowPlaceSettings(session, file);
    ApplyRecentFontSettings(session, file);
}

void StoreSettings(Session& session, IniFile& file) {
    file.Set(kVersion, "Application", kProgramTitle);
    file.Set(kVersion, "Major", std::to_string(kVersionMajor));
    file.Set(kVersion, "Minor", std::to_string(kVersionMinor));
    file.Set(kVersion, "Revision", std::to_string(kVersionRevision));
    for (const auto& entry : kPathKeys)
        file.Set(kPaths, entry.key, session.FilePaths[entry.mode]);
    for (const auto& entry : kTransferKeys)
        file.Set(kPaths, entry.key, session.transferFolders[IndexOf(entry.dialog)]);
    for (const auto& entry : kTogglesBeforeFont)
        file.Set(kOptions, entry.key, OneOrZero(session.On(entry.toggle)));
    const BaseFont& font = session.options.baseFont;
    file.Set(kOptions, "BaseFontName", font.name);
    file.Set(kOptions, "BaseFontSize", FontSizeText(font.size));
    file.Set(kOptions, "BaseFontBold", OneOrZero(font.bold));
    for (const auto& entry : kTogglesAfterFont)
        file.Set(kOptions, entry.key, OneOrZero(session.On(entry.toggle)));
    StorePreviewSettings(session, file);
    StoreWindowPlaceSettings(session, file);
    StoreRecentFontSettings(session, file);
}

}  // namespace

std::string SettingsFilePath(const Session& session) {
    return JoinPath(session.SettingsFolder, kSettingsFileName);
}

std::uint8_t IniFlag(std::string& text) {
    const auto value = LeadingNumber(text);
    if (!value) return 1;  // a number too long for a double is still not zero
    const double whole = std::fabs(std::floor(*value));
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", whole);
    text = digits;
    return whole >= 1 ? 1 : 0;
}

void LoadINI(Session& session) {
    const std::string path = SettingsFilePath(session);
    if (GetFileLength(session.SettingsFolder) == -1 || GetFileLength(path) == -1) return;
    IniFile file;
    try {
        file = ReadIniFile(path);
    } catch (const AppError& error) {
        session.Log("Unreadable INI file - settings not loaded (" + error.description() + ")");
        return;
    }
    if (file.Get(kVersion, "Application", "") != kProgramTitle) {
        session.Log("Unrecognized INI file - settings reset to default");
        DeleteFile(path);
        return;
    }
    ApplySettings(session, file);
}

void SaveINI(Session& session) {
    BusyPointer busy(session.view);
    const std::string& folder = session.SettingsFolder;
    // Without a settings folder the file would land in whatever folder is current.
    if (folder.empty()) throw AppError::FromErrno(ENOENT, "SaveINI");
    if (GetFileLength(folder) == -1) MakeFolders(folder);
    const std::string path = SettingsFilePath(session);
    if (GetFileLength(path) == -1) WriteByteArray(path, BytesOf("[Version]"));
    IniFile file;
    try {
        file = ReadIniFile(path);
    } catch (const AppError& error) {
        // A file too large to be ours is replaced by one of our keys alone.
        if (error.number() != EFBIG) throw;
    }
    StoreSettings(session, file);
    WriteIniFile(path, file);
}

void LoadSettings(Session& session) {
    const bool invisible = session.On(Toggle::DontCutBitmaps);
    const bool yellow = session.On(Toggle::YellowWidthMore8);
    LoadINI(session);
    const bool marksChanged = invisible != session.On(Toggle::DontCutBitmaps) ||
                              yellow != session.On(Toggle::YellowWidthMore8);
    if (session.font.FontLoaded && marksChanged) RedrawTiles(session, 0, 255);
}

void SaveSettings(Session& session) {
    try {
        SaveINI(session);
    } catch (const AppError& error) {
        ReportFileError(session, error, "save the settings to", SettingsFilePath(session));
    }
}

}  // namespace gft
