#include "commands/files/recovery.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

#include "commands/files/read_font.h"
#include "format/fnt_format.h"
#include "format/fnt_writer.h"
#include "format/ini_file.h"
#include "format/selection_table.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"
#include "support/version.h"

namespace gft {

namespace {

constexpr const char* kSection = "Recovery";
constexpr auto kAtMostEvery = std::chrono::seconds(2);

// What a copy's .ini says about it.
struct CopyInfo {
    std::string slot;
    std::string destination;
    std::string source;
    std::string date;
    int editStatus = 2;
    long process = 0;
};

std::string SlotFile(const Session& session, const std::string& slot, const char* extension) {
    return JoinPath(RecoveryFolder(session), slot + extension);
}

// The file the font belongs to: where a save would go, else where it came from.
std::string FontPath(const std::string& destination, const std::string& source) {
    return destination.empty() ? source : destination;
}

std::string ShownPath(const CopyInfo& copy) {
    const std::string path = FontPath(copy.destination, copy.source);
    return path.empty() ? "New FNT" : path;
}

// The copy's name: a hash of the font's path, so each file has its own copy.
std::string SlotFor(const Session& session) {
    const std::string path = FontPath(session.FilePaths[kModeSave], session.FilePaths[kModeLoad]);
    if (path.empty()) return "new-" + std::to_string(::getpid());
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : path)
        hash = (hash ^ c) * 1099511628211ull;
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    return name;
}

// The copy this session keeps; the copy on offer is another run's work and
// is never written over, even when it is of the same file.
std::string OwnSlotFor(const Session& session) {
    std::string slot = SlotFor(session);
    if (slot == session.recovery.offeredSlot) slot += "-" + std::to_string(::getpid());
    return slot;
}

bool ProcessRuns(long pid) {
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

CopyInfo ReadCopyInfo(const Session& session, const std::string& slot) {
    const IniFile file = ReadIniFile(SlotFile(session, slot, ".ini"));
    CopyInfo copy;
    copy.slot = slot;
    copy.destination = file.Get(kSection, "Destination", "");
    copy.source = file.Get(kSection, "Source", "");
    copy.date = file.Get(kSection, "Date", "");
    copy.editStatus = file.Get(kSection, "EditStatus", "2") == "1" ? 1 : 2;
    copy.process = std::strtol(file.Get(kSection, "Process", "0").c_str(), nullptr, 10);
    return copy;
}

// A copy's font is as long as its end field says, as the writer wrote it;
// one that is gone or cut short is not used.
bool CopyIsWhole(const Session& session, const std::string& slot) {
    const std::string path = SlotFile(session, slot, ".fnt");
    const std::int64_t length = GetFileLength(path);
    if (length < static_cast<std::int64_t>(fnt::kMinimumFileSize) || !IsRegularFile(path))
        return false;
    const Bytes head = ReadFileBytes(path, fnt::kDataBlockOffset, "RecoverUnsavedChanges");
    if (head.size() < fnt::kDataBlockOffset) return false;
    const std::int64_t block =
        head[fnt::kEndFieldOffset + 2] * 256 + head[fnt::kEndFieldOffset + 3];
    return length == static_cast<std::int64_t>(fnt::kDataBlockOffset) + block;
}

void RemoveCopy(const Session& session, const std::string& slot) {
    DeleteFile(SlotFile(session, slot, ".ini"));
    DeleteFile(SlotFile(session, slot, ".fnt"));
    DeleteFile(SlotFile(session, slot, ".lok"));
}

void WriteCopy(Session& session, const std::string& slot) {
    const Font& font = session.font;
    std::error_code error;
    std::filesystem::create_directories(RecoveryFolder(session), error);
    if (error) throw AppError::FromErrno(error.value(), "MkDir");
    WriteByteArray(SlotFile(session, slot, ".fnt"), BuildFntImage(font, true));
    WriteByteArray(SlotFile(session, slot, ".lok"),
                   Bytes(font.Selected.begin(), font.Selected.end()));
    IniFile info;
    info.Set(kSection, "Application", kProgramTitle);
    info.Set(kSection, "Process", std::to_string(::getpid()));
    info.Set(kSection, "Destination", session.FilePaths[kModeSave]);
    info.Set(kSection, "Source", session.FilePaths[kModeLoad]);
    info.Set(kSection, "EditStatus", std::to_string(font.EditStatus));
    info.Set(kSection, "Date", Now());
    WriteIniFile(SlotFile(session, slot, ".ini"), info);
}

// Keeps the copy; a failure is logged once, not every two seconds.
void KeepNow(Session& session, const std::string& slot) {
    RecoveryState& state = session.recovery;
    try {
        WriteCopy(session, slot);
    } catch (const AppError& error) {
        if (state.lastError != error.LogEntry()) session.Log(error.LogEntry());
        state.lastError = error.LogEntry();
        return;
    }
    state.lastError.clear();
    if (!state.ownSlot.empty() && state.ownSlot != slot) RemoveCopy(session, state.ownSlot);
    state.ownSlot = slot;
    state.kept = session.font;
    state.keptPaths = {session.FilePaths[kModeSave], session.FilePaths[kModeLoad]};
}

// Copies in the folder whose process has ended, newest first.
std::vector<CopyInfo> LeftCopies(const Session& session) {
    std::vector<CopyInfo> copies;
    DIR* dir = ::opendir(RecoveryFolder(session).c_str());
    if (dir == nullptr) return copies;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".ini") != 0) continue;
        try {
            CopyInfo copy = ReadCopyInfo(session, name.substr(0, name.size() - 4));
            if (!ProcessRuns(copy.process)) copies.push_back(std::move(copy));
        } catch (const AppError&) {
        }
    }
    ::closedir(dir);
    std::sort(copies.begin(), copies.end(),
              [](const CopyInfo& a, const CopyInfo& b) { return a.date > b.date; });
    return copies;
}

}  // namespace

std::string RecoveryFolder(const Session& session) {
    if (session.SettingsFolder.empty()) return {};
    return JoinPath(session.SettingsFolder, "Recovery");
}

void OfferRecoveryCopy(Session& session) {
    if (session.SettingsFolder.empty()) return;
    const std::vector<CopyInfo> copies = LeftCopies(session);
    if (copies.empty()) return;
    const CopyInfo& newest = copies.front();
    session.recovery.offeredSlot = newest.slot;
    session.Log("Unsaved changes of " + ShownPath(newest) + " from " + newest.date +
                " were kept - File > Recover unsaved changes");
    session.view.RecoveryChanged(true);
}

void KeepRecoveryCopy(Session& session, std::chrono::steady_clock::time_point now, bool closing) {
    if (session.SettingsFolder.empty()) return;
    RecoveryState& state = session.recovery;
    const std::string slot = OwnSlotFor(session);
    if (!session.font.FontLoaded || session.font.EditStatus == 0) {
        if (state.ownSlot == slot) ForgetRecoveryCopy(session);
        return;
    }
    const bool unchanged = state.ownSlot == slot && state.kept == session.font &&
                           state.keptPaths[0] == session.FilePaths[kModeSave] &&
                           state.keptPaths[1] == session.FilePaths[kModeLoad];
    if (unchanged) return;
    if (!closing && now - state.lastWrite < kAtMostEvery) return;
    state.lastWrite = now;
    KeepNow(session, slot);
}

void ForgetRecoveryCopy(Session& session) {
    RecoveryState& state = session.recovery;
    if (state.ownSlot.empty()) return;
    RemoveCopy(session, state.ownSlot);
    state.ownSlot.clear();
    state.kept = Font{};
}

bool RecoveryOnOffer(const Session& session) {
    return !session.recovery.offeredSlot.empty();
}

void RecoverUnsavedChanges(Session& session) {
    RecoveryState& state = session.recovery;
    if (state.offeredSlot.empty()) return;
    CopyInfo copy;
    try {
        copy = ReadCopyInfo(session, state.offeredSlot);
        if (!CopyIsWhole(session, copy.slot)) {
            session.Log("The unsaved changes of " + ShownPath(copy) + " from " + copy.date +
                        " are damaged or gone and cannot be recovered");
            ++session.refusedFiles;
            return;
        }
        session.FilePaths[kModeLoad] = copy.source;
        if (!ReadFntFile(session, SlotFile(session, copy.slot, ".fnt"), kModeLoad).accepted) return;
    } catch (const AppError& error) {
        session.Log(error.LogEntry());
        return;
    }
    session.FilePaths[kModeSave] = copy.destination;
    session.SetEditStatus(static_cast<std::uint8_t>(copy.editStatus));
    state.offeredSlot.clear();
    session.view.RecoveryChanged(false);
    session.Log("Unsaved changes of " + ShownPath(copy) + " from " + copy.date + " recovered");
    // The copy is this session's now: its process is rewritten at once, so
    // that no other window offers it while this one runs.
    state.ownSlot = copy.slot;
    KeepNow(session, OwnSlotFor(session));
}

void DiscardRecoveredChanges(Session& session) {
    RecoveryState& state = session.recovery;
    if (state.offeredSlot.empty()) return;
    std::string shown = "New FNT";
    try {
        shown = ShownPath(ReadCopyInfo(session, state.offeredSlot));
    } catch (const AppError&) {
    }
    RemoveCopy(session, state.offeredSlot);
    state.offeredSlot.clear();
    session.view.RecoveryChanged(false);
    session.Log("Unsaved changes of " + shown + " discarded");
}

}  // namespace gft
