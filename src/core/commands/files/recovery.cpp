#include "commands/files/recovery.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>

#include "commands/editor/char_editor.h"
#include "commands/editor/compare_overlay.h"
#include "commands/files/recovery_store.h"
#include "commands/glyphs/move_copy.h"
#include "format/fnt_format.h"
#include "format/fnt_reader.h"
#include "format/glyph_analysis.h"
#include "format/selection_table.h"
#include "session/change_marks.h"
#include "session/notices.h"
#include "session/preview.h"
#include "session/session.h"
#include "session/undo_step.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr auto kAtMostEvery = std::chrono::seconds(2);
constexpr const char* kMenuHint = "File > Recover unsaved changes";

// The local date and time a person reads, and the time to the nanosecond
// as a text that sorts like the number.
void StampNow(RecoveryCopy& copy) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    copy.date = text;
    std::snprintf(text, sizeof text, "%020lld.%09ld", static_cast<long long>(now.tv_sec),
                  static_cast<long>(now.tv_nsec));
    copy.time = text;
}

// "A.fnt", or "a new font".
std::string ShortName(const RecoveryCopy& copy) {
    return copy.File().empty() ? "a new font" : FileNameOf(copy.File());
}

// The copy's file in full, as the lists show it.
std::string ShownFile(const RecoveryCopy& copy) {
    return copy.File().empty() ? "New FNT" : copy.File();
}

// The font's destination and file as a copy names them: absolute, so that a
// copy recovered in another folder still finds them.
std::array<std::string, 2> CopyPaths(const Session& session) {
    const std::string base = session.StartFolder.empty() ? CurrentFolder() : session.StartFolder;
    return {AbsolutePath(session.FilePaths[kModeSave], base), AbsolutePath(session.fontFile, base)};
}

void WriteCopy(Session& session) {
    RecoveryState& state = session.recovery;
    const std::array<std::string, 2> paths = CopyPaths(session);
    RecoveryCopy copy;
    copy.destination = paths[0];
    copy.fontFile = paths[1];
    StampNow(copy);
    copy.height = session.font.FontHeight;
    try {
        WriteRecoveryCopy(RecoveryFolder(session), state, copy, session.font);
    } catch (const AppError& error) {
        // Not a save: no "Error #" entry, and the run's outcome stays as it was.
        const std::string reason = error.number() == kOverflowError
                                       ? "the font is larger than an FNT file can hold"
                                       : error.description();
        const std::string line = "Unsaved changes cannot be kept as a recovery copy: " + reason;
        if (state.lastError != line) session.Log(line);
        state.lastError = line;
        return;
    }
    state.lastError.clear();
    state.kept = session.font;
    state.keptPaths = paths;
}

// The font as its file holds it now, with the file's selection table; for a
// font without a readable file, an empty font of its height.
Font FontOnDisk(const std::string& path, int height) {
    try {
        const std::int64_t length = GetFileLength(path);
        if (length >= static_cast<std::int64_t>(fnt::kMinimumFileSize)) {
            FntReport report = ParseFnt(ReadFileBytes(path, fnt::kUsefulFilePrefix, "Recover"),
                                        FntReadMode::Load, Font{}, length);
            if (report.Accepted()) {
                const std::string lok = LokPath(path);
                if (lok != path && GetFileLength(lok) > 0)
                    ApplySelectionTable(ReadFileBytes(lok, kGlyphCount, "Recover"),
                                        report.font.Selected);
                return std::move(report.font);
            }
        }
    } catch (const AppError&) {
    }
    return EmptyFont(height);
}

// The recovered font becomes the session's, one undo step away from its file.
void ShowRecovered(Session& session, TakenCopy& taken, Font& font) {
    CancelMove(session);
    HideCharEditor(session);
    ForgetRecoveryCopy(session);
    const RecoveryCopy& copy = taken.copy;
    session.font = std::move(font);
    session.fontFile = copy.fontFile;
    session.FilePaths[kModeSave] = copy.destination;
    session.font.MaxWidth = WidestGlyph(session.font);
    RedrawTiles(session, 0, 255);
    ForgetComparedFont(session);
    session.history.Reset(FontOnDisk(copy.fontFile, session.font.FontHeight));
    session.history.Record(session.font, "Recover unsaved changes");
    ShowHistory(session);
    ShowChangeMarks(session);
    session.SetEditStatus(session.history.EditLevelAgainstSaved(session.font));

    RecoveryState& state = session.recovery;
    state.ownName = copy.name;
    state.ownLock = std::move(taken.lock);
    state.generation = copy.generation;
    state.kept = session.font;
    state.keptPaths = {copy.destination, copy.fontFile};
}

// The number of a copy the user chose; false, logged, when there is none.
bool Offered(Session& session, std::size_t index) {
    const std::size_t count = session.recovery.offered.size();
    if (index < count) return true;
    session.Log(count == 0 ? std::string(kNoRecoveryCopies)
                           : "No unsaved changes numbered " + std::to_string(index + 1) + ": " +
                                 std::to_string(count) + " are kept");
    ++session.refusedFiles;
    return false;
}

// Logs why a copy cannot be had and looks again; always false.
bool Refuse(Session& session, const RecoveryCopy& copy, const std::string& why) {
    ++session.refusedFiles;
    session.Log("Unsaved changes of " + ShortName(copy) + " " + why);
    LookForRecoveryCopies(session);
    return false;
}

// Takes the chosen copy; false, logged, when it is no longer to be had.
bool Take(Session& session, std::size_t index, TakenCopy& taken) {
    if (!Offered(session, index)) return false;
    const RecoveryCopy listed = session.recovery.offered[index];
    switch (TakeRecoveryCopy(RecoveryFolder(session), listed.name, taken)) {
        case TakeOutcome::Taken:
            return true;
        case TakeOutcome::InUse:
            return Refuse(session, listed, "were taken up by another window");
        case TakeOutcome::Gone:
            return Refuse(session, listed, "are no longer kept");
        case TakeOutcome::Damaged:
            break;
    }
    return Refuse(session, listed, "cannot be read: the copy is damaged");
}

// Asks which copy; empty when there is none or the user cancelled.
std::optional<std::size_t> ChooseCopy(Session& session, const std::string& title) {
    const std::vector<std::string> items = ListRecoveryCopies(session);
    if (items.empty()) {
        session.Log(kNoRecoveryCopies);
        ++session.refusedFiles;
        return std::nullopt;
    }
    const auto chosen =
        session.view.ChooseItem(title, "Unsaved changes kept by runs that ended:", items);
    if (!chosen) return std::nullopt;
    return static_cast<std::size_t>(*chosen < 0 ? items.size() : *chosen);
}

// The strip's offer of the kept changes, with buttons for the two menu items.
Notice OfferNotice(const std::vector<RecoveryCopy>& copies) {
    const std::string what = copies.size() == 1
                                 ? ShownFile(copies.front()) + " from " + copies.front().date
                                 : std::to_string(copies.size()) + " fonts";
    return {NoticeKind::RecoveryOffer,
            "Unsaved changes of " + what + " were kept",
            {{"Recover", "mnuRecover"}, {"Discard", "mnuDiscardRecovery"}}};
}

bool OfferShown(const Session& session) {
    return std::any_of(session.notices.begin(), session.notices.end(),
                       [](const Notice& n) { return n.kind == NoticeKind::RecoveryOffer; });
}

}  // namespace

std::string RecoveryFolder(const Session& session) {
    if (session.SettingsFolder.empty()) return {};
    return JoinPath(session.SettingsFolder, "Recovery");
}

const std::vector<RecoveryCopy>& LookForRecoveryCopies(Session& session) {
    RecoveryState& state = session.recovery;
    const bool before = !state.offered.empty();
    state.offered.clear();
    if (!session.SettingsFolder.empty())
        state.offered = EndedRecoveryCopies(RecoveryFolder(session));
    if (before || !state.offered.empty()) session.view.RecoveryChanged(!state.offered.empty());
    if (state.offered.empty())
        DropNotices(session, NoticeKind::RecoveryOffer);
    else if (OfferShown(session))
        ShowNotice(session, OfferNotice(state.offered));
    return state.offered;
}

void OfferRecoveryCopies(Session& session) {
    const std::vector<RecoveryCopy>& copies = LookForRecoveryCopies(session);
    if (copies.empty()) return;
    const std::string what =
        copies.size() == 1 ? ShortName(copies.front()) : std::to_string(copies.size()) + " fonts";
    const std::string kept = "Unsaved changes of " + what + " were kept";
    session.Log(kept);
    session.Log(kMenuHint);
    session.SetStatusQuietly(kept + ": " + kMenuHint);
    ShowNotice(session, OfferNotice(copies));
}

std::vector<std::string> ListRecoveryCopies(Session& session) {
    std::vector<std::string> lines;
    for (const RecoveryCopy& copy : LookForRecoveryCopies(session))
        lines.push_back(std::to_string(lines.size() + 1) + ": " + ShownFile(copy) + ", " +
                        copy.date + ", height " + std::to_string(copy.height));
    return lines;
}

bool RecoverCopy(Session& session, std::size_t index) {
    TakenCopy taken;
    if (!Take(session, index, taken)) return false;
    const RecoveryCopy copy = taken.copy;
    Font font;
    if (!ReadRecoveryFont(RecoveryFolder(session), copy, font))
        return Refuse(session, copy, "cannot be read: the copy is damaged");
    ShowRecovered(session, taken, font);
    session.Log("Unsaved changes of " + ShortName(copy) + " from " + copy.date + " recovered");
    session.Log(copy.destination.empty() ? "Save FNT asks where to save them"
                                         : "Save FNT writes " + copy.destination);
    LookForRecoveryCopies(session);
    session.ShowReadyStatus();
    return true;
}

bool DiscardCopy(Session& session, std::size_t index) {
    TakenCopy taken;
    if (!Take(session, index, taken)) return false;
    RemoveRecoveryCopy(RecoveryFolder(session), taken.copy.name, taken.lock);
    session.Log("Unsaved changes of " + ShortName(taken.copy) + " from " + taken.copy.date +
                " discarded");
    LookForRecoveryCopies(session);
    return true;
}

void KeepRecoveryCopy(Session& session, std::chrono::steady_clock::time_point now) {
    if (session.SettingsFolder.empty()) return;
    RecoveryState& state = session.recovery;
    if (!session.font.FontLoaded || session.font.EditStatus == 0)
        return ForgetRecoveryCopy(session);
    const bool unchanged = state.ownLock.Holds() && state.kept == session.font &&
                           state.keptPaths == CopyPaths(session);
    if (unchanged || now - state.lastWrite < kAtMostEvery) return;
    state.lastWrite = now;
    WriteCopy(session);
}

void KeepRecoveryCopyNow(Session& session) {
    session.recovery.lastWrite = {};
    KeepRecoveryCopy(session, std::chrono::steady_clock::now());
}

void ForgetRecoveryCopy(Session& session) {
    RecoveryState& state = session.recovery;
    if (!state.ownLock.Holds()) return;
    RemoveRecoveryCopy(RecoveryFolder(session), state.ownName, state.ownLock);
    state.ownName.clear();
    state.generation = 0;
    state.kept = Font{};
}

bool RecoveryOnOffer(const Session& session) {
    return !session.recovery.offered.empty();
}

void RecoverUnsavedChanges(Session& session) {
    if (const auto index = ChooseCopy(session, "Recover unsaved changes"))
        RecoverCopy(session, *index);
}

void DiscardRecoveredChanges(Session& session) {
    if (const auto index = ChooseCopy(session, "Discard recovered changes"))
        DiscardCopy(session, *index);
}

}  // namespace gft
