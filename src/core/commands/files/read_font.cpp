#include "commands/files/read_font.h"

#include "commands/editor/compare_overlay.h"
#include "commands/files/lok_file.h"
#include "commands/window/option_commands.h"
#include "format/fnt_format.h"
#include "format/fnt_reader.h"
#include "session/preview.h"
#include "session/undo_step.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

std::string Num(std::int64_t n) {
    return std::to_string(n);
}

FntReadMode ReadModeOf(const Session& session, OpenMode mode) {
    switch (mode) {
        case kModeLoad:
            return FntReadMode::Load;
        case kModeMerge:
            return session.On(Toggle::MergeAll) ? FntReadMode::MergeAll : FntReadMode::Merge;
        default:
            return FntReadMode::Compare;
    }
}

// The report's lines go to the log; returns the number of findings.
int LogReport(Session& session, const FntReport& report) {
    for (const FntReportLine& line : report.lines)
        session.Log(line.text);
    return report.Findings();
}

void ShowLoaded(Session& session, const std::string& path, FntReport& report,
                ReadOutcome& outcome) {
    outcome.findings += LoadSelectionTable(session, path, report.font.Selected);
    session.font = std::move(report.font);
    session.fontFile = path;
    RedrawTiles(session, 0, 255);
    ForgetComparedFont(session);
    session.setMaxWidth();
    session.SetEditStatus(0);
    ResetHistory(session);
    session.Log("FNT Loaded");
    UseSourcePathForOutput(session);
    session.ShowReadyStatus();
}

void ShowMerged(Session& session, FntReport& report) {
    const bool all = session.On(Toggle::MergeAll);
    // Merge all marks what it replaced, and "[Select different]" selects it.
    if (all && session.On(Toggle::MarkDiff)) report.font.Selected = report.font.Different;
    const bool selectionChanged = report.font.Selected != session.font.Selected;
    session.font = std::move(report.font);
    RedrawTiles(session, 0, 255);
    session.setMaxWidth();
    if (report.imported + report.replaced > 0)
        session.SetEditStatus(2);
    else if (selectionChanged)
        session.SetEditStatus(1);
    if (all)
        session.Log("FNT Merged, " + Num(report.replaced) + " characters replaced, " +
                    Num(report.imported) + " added");
    else
        session.Log("FNT Merged, " + Num(report.imported) + " characters imported");
}

void ShowCompared(Session& session, FntReport& report) {
    Font& font = report.font;
    bool selectionChanged = false;
    if (session.On(Toggle::MarkDiff) && font.Selected != font.Different) {
        font.Selected = font.Different;
        selectionChanged = true;
    }
    session.font = std::move(font);
    if (selectionChanged) RedrawTiles(session, 0, 255);
    KeepComparedFont(session, report.compared);
    if (selectionChanged) session.SetEditStatus(1);
    session.Log("FNT Compared, " + Num(report.different) + " different characters found");
    session.Log(report.sameAttributes
                    ? "Attribute section is the same"
                    : "Attribute section is different (not supported to see / set)");
}

}  // namespace

ReadOutcome ReadFntFile(Session& session, const std::string& path, OpenMode mode) {
    if (mode == kModeCompare && session.FilePaths[kModeCompare] == session.fontFile &&
        session.font.EditStatus < 2)
        session.Log("Trying to compare unedited FNT to it source file");

    const std::int64_t length = GetFileLength(path);
    if (length == -1) {
        session.Log("File not found!");
        return {false, 1};
    }
    Bytes file;
    {
        BusyPointer busy(session.view);
        if (length >= static_cast<std::int64_t>(fnt::kMinimumFileSize))
            file = ReadFileBytes(path, fnt::kUsefulFilePrefix, "ReadFntFile");
        RestoreStartFolder(session.StartFolder);
    }
    FntReport report = ParseFnt(file, ReadModeOf(session, mode), session.font, length);
    ReadOutcome outcome{report.Accepted(), LogReport(session, report)};
    if (!outcome.accepted) return outcome;
    switch (mode) {
        case kModeLoad:
            ShowLoaded(session, path, report, outcome);
            break;
        case kModeMerge:
            ShowMerged(session, report);
            break;
        default:
            ShowCompared(session, report);
            break;
    }
    return outcome;
}

}  // namespace gft
