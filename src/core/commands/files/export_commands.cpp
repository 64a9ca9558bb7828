#include "commands/files/export_commands.h"

#include <functional>
#include <string>
#include <vector>

#include "commands/files/transfer_dialog.h"
#include "commands/glyphs/move_copy.h"
#include "format/bmp_codec.h"
#include "format/eight_bit_export.h"
#include "format/glyph_sheet.h"
#include "format/html_page.h"
#include "format/png_codec.h"
#include "format/selection_export.h"
#include "session/notices.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kWidthsExtension = ".widths";

// Why an export's content could not be made while it was being written.
struct ExportFailed {
    std::string message;
};

// One file an export writes, its content made as it is streamed to the file.
using OutputFile = FileToWrite;

OutputFile FileOf(std::string path, Bytes bytes) {
    return {std::move(path), [bytes = std::move(bytes)](ByteSink& sink) { sink.Write(bytes); }};
}

// What an export makes of the font: the files, or why there are none, and
// what its log says besides the success line.
struct ExportPlan {
    std::vector<OutputFile> files;
    std::string what;  // the success line's "Exported " + what + " to " + path
    std::vector<std::string> notes;
    std::string error;
};

struct ExportKind {
    TransferDialogKind dialog;
    const char* operation;  // the source of an "Error #" entry
    ExportPlan (*plan)(const Session& session, const std::string& path);
};

ExportPlan Planned(std::string what, std::string path, FormatResult<Bytes> encoded) {
    ExportPlan plan;
    plan.what = std::move(what);
    if (!encoded.ok())
        plan.error = std::move(encoded.error);
    else
        plan.files.push_back(FileOf(std::move(path), std::move(encoded.value)));
    return plan;
}

// A file whose content is a picture of the font, drawn row by row as it is
// written.
OutputFile PictureFile(std::string path, const Font& font,
                       std::string (*write)(const InkRows&, ByteSink&)) {
    return {std::move(path), [&font, write](ByteSink& sink) {
                if (std::string error = write(GlyphSheetRows(font), sink); !error.empty())
                    throw ExportFailed{std::move(error)};
            }};
}

ExportPlan PlanBitmap(const Session& session, const std::string& path) {
    const std::string widths = WithExtension(path, kWidthsExtension);
    ExportPlan plan;
    if (widths == path) {
        plan.error = "The picture cannot be named like its width table (" + path + ")";
        return plan;
    }
    plan.what = "bitmap and width table";
    plan.files.push_back(PictureFile(path, session.font, WritePng));
    plan.files.push_back(FileOf(widths, BytesOf(WidthTable(session.font))));
    return plan;
}

ExportPlan PlanGrid(const Session& session, const std::string& path) {
    const SheetGeometry cell = SheetGeometryOf(session.font);
    ExportPlan plan;
    plan.what = "grid bitmap (cells " + std::to_string(cell.cellWidth) + " x " +
                std::to_string(cell.cellHeight) + ")";
    plan.files.push_back(PictureFile(path, session.font, WriteBmp1Bit));
    return plan;
}

ExportPlan PlanEightBit(std::string what, const std::string& path, EightBitExport exported) {
    ExportPlan plan = Planned(std::move(what), path, FormatResult<Bytes>::Success(exported.bytes));
    if (exported.cut > 0)
        plan.notes.push_back(std::to_string(exported.cut) + " characters cut to 8 x 8");
    if (exported.leftOut > 0)
        plan.notes.push_back(std::to_string(exported.leftOut) +
                             " characters above 127 have no place in the file");
    return plan;
}

ExportPlan PlanAtari(const Session& session, const std::string& path) {
    return PlanEightBit("Atari 8-bit font", path, ExportAtariFont(session.font));
}

ExportPlan PlanEightBitBinary(const Session& session, const std::string& path) {
    return PlanEightBit("8-bit binary font", path, ExportEightBitFont(session.font));
}

ExportPlan PlanHtml(const Session& session, const std::string& path) {
    ExportPlan plan;
    plan.what = "html page";
    plan.files.push_back({path, [&session](ByteSink& sink) {
                              const std::string name = session.fontFile.empty()
                                                           ? "New FNT"
                                                           : FileNameOf(session.fontFile);
                              if (!WriteHtmlPage(session.font, name, sink))
                                  throw ExportFailed{"A picture of the page could not be made"};
                          }});
    return plan;
}

ExportPlan PlanSelections(const Session& session, const std::string& path) {
    return Planned("selection table", path,
                   FormatResult<Bytes>::Success(SelectionTableBytes(session.font)));
}

const ExportKind kBitmap{{TransferDialog::ExportBitmap, "Export bitmap and width table",
                          "PNG picture (*.png)|*.png|All files (*.*)|*.*", ".png", true},
                         "ExportBitmap",
                         PlanBitmap};
const ExportKind kGrid{{TransferDialog::ExportGrid, "Export bitmap for Fony",
                        "1-bit BMP picture (*.bmp)|*.bmp|All files (*.*)|*.*", ".bmp", true},
                       "ExportGrid",
                       PlanGrid};
const ExportKind kAtari{{TransferDialog::ExportAtari, "Export Atari 8-bit FNT",
                         "Standard Atari Font (*.fnt)|*.fnt|All files (*.*)|*.*", ".fnt", true},
                        "ExportAtari",
                        PlanAtari};
const ExportKind kEightBit{
    {TransferDialog::ExportEightBit, "Export 8-bit binary FNT",
     "8-bit binary Fonts (*.fnt;*.bin)|*.fnt;*.bin|All files (*.*)|*.*", ".bin", true},
    "Export8bit",
    PlanEightBitBinary};
const ExportKind kHtml{{TransferDialog::GenerateHtml, "Generate html",
                        "HTML page (*.html)|*.html;*.htm|All files (*.*)|*.*", ".html", true},
                       "GenerateHtml",
                       PlanHtml};
const ExportKind kSelections{{TransferDialog::ExportSelections, "Export selections (lok)",
                              "Selection table (*.lok)|*.lok|All files (*.*)|*.*", ".lok", true},
                             "ExportSelections",
                             PlanSelections};

// "x.png", or "x.png and x.widths": a pair is written both or neither.
std::string PathsOf(const ExportPlan& plan) {
    std::string paths;
    for (const OutputFile& file : plan.files)
        paths += (paths.empty() ? "" : " and ") + file.path;
    return paths;
}

bool WriteFiles(Session& session, const ExportKind& kind, const ExportPlan& plan) {
    BusyPointer busy(session.view);
    try {
        WriteTogether(plan.files, Sync::Now, session.interrupted);
    } catch (const AppError& error) {
        RestoreStartFolder(session.StartFolder);
        ReportFileError(session, AppError(error.number(), kind.operation, error.description()),
                        "write", PathsOf(plan));
        return false;
    } catch (const ExportFailed& failed) {
        RestoreStartFolder(session.StartFolder);
        session.Log(failed.message);
        return false;
    }
    RestoreStartFolder(session.StartFolder);
    for (const std::string& note : plan.notes)
        session.Log(note);
    session.Log("Exported " + plan.what + " to " + plan.files.front().path);
    return true;
}

void RunExport(Session& session, const ExportKind& kind) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const auto path = AskTransferPath(session, kind.dialog);
    if (!path) return;
    const ExportPlan plan = kind.plan(session, *path);
    if (!plan.error.empty()) {
        session.Log(plan.error);
        return;
    }
    if (WriteFiles(session, kind, plan)) RememberTransferFolder(session, kind.dialog.dialog, *path);
}

}  // namespace

void ExportBitmap(Session& session) {
    RunExport(session, kBitmap);
}

void ExportGrid(Session& session) {
    RunExport(session, kGrid);
}

void ExportAtari(Session& session) {
    RunExport(session, kAtari);
}

void ExportEightBit(Session& session) {
    RunExport(session, kEightBit);
}

void GenerateHtml(Session& session) {
    RunExport(session, kHtml);
}

void ExportSelections(Session& session) {
    RunExport(session, kSelections);
}

}  // namespace gft
