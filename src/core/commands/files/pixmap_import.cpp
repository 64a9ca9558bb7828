#include "commands/files/pixmap_import.h"

#include <optional>

#include "commands/editor/char_editor.h"
#include "commands/files/save_font.h"
#include "commands/files/transfer_dialog.h"
#include "commands/glyphs/move_copy.h"
#include "format/glyph_sheet.h"
#include "format/image_file.h"
#include "format/image_pixels.h"
#include "session/notices.h"
#include "session/preview.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

// Room for the largest picture the readers take, at 32 bits a pixel.
constexpr std::int64_t kMaxImageFileBytes = 4 * kMaxImagePixels + 65536;
// Far more than 256 lines "CODE WIDTH" with some junk between them.
constexpr std::int64_t kMaxWidthTableBytes = 1 << 20;

const TransferDialogKind kDialog{
    TransferDialog::ImportPixmap, "Select pixelmap (PNG or BMP) to Import over current font",
    "Pixelmaps (*.png;*.bmp)|*.png;*.bmp|All files (*.*)|*.*", ".png", false};

// The file's bytes, or nothing after one log line saying why.
std::optional<Bytes> ReadWhole(Session& session, const std::string& path, const std::string& what,
                               std::int64_t limit) {
    if (const std::string kind = NonRegularFileKind(path); !kind.empty()) {
        session.Log(what + " is " + kind + ", not a file: " + path);
        return std::nullopt;
    }
    const std::int64_t length = GetFileLength(path);
    if (length == -1) {
        session.Log(what + " not found: " + path);
        return std::nullopt;
    }
    if (length == 0) {
        session.Log(what + " is empty: " + path);
        return std::nullopt;
    }
    if (length > limit) {
        session.Log(what + " is too large: " + path);
        return std::nullopt;
    }
    Bytes bytes = ReadFileBytes(path, static_cast<std::size_t>(length), "ImportPixmap");
    RestoreStartFolder(session.StartFolder);
    return bytes;
}

void TakeGlyphs(Session& session, SheetImport& sheet) {
    Font& font = session.font;
    font.FontHeight = sheet.height;
    int present = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        font.Glyph(code) = std::move(sheet.chars[code]);
        if (font.Glyph(code).Present) ++present;
    }
    RedrawTiles(session, 0, 255);
    session.setMaxWidth();
    session.SetEditStatus(2);
    session.Log("Pixelmap imported, " + std::to_string(present) + " characters, height " +
                std::to_string(sheet.height));
    WarnIfTooLargeToSave(session);
}

}  // namespace

bool ImportPixmapFile(Session& session, const std::string& path) {
    BusyPointer busy(session.view);
    try {
        const auto picture = ReadWhole(session, path, "Pixelmap", kMaxImageFileBytes);
        if (!picture) return false;
        const auto decoded = DecodeInkImage(*picture);
        if (!decoded.ok()) {
            session.Log(decoded.error + ": " + path);
            return false;
        }
        const auto widths =
            ReadWhole(session, WithExtension(path, ".widths"), "Width table", kMaxWidthTableBytes);
        if (!widths) return false;
        SheetImport sheet = ReadGlyphSheet(
            decoded.value,
            std::string_view(reinterpret_cast<const char*>(widths->data()), widths->size()));
        for (const std::string& note : sheet.notes)
            session.Log(note);
        if (!sheet.ok()) {
            session.Log(sheet.error);
            return false;
        }
        TakeGlyphs(session, sheet);
        return true;
    } catch (const AppError& error) {
        RestoreStartFolder(session.StartFolder);
        ReportFileError(session, error, "import", path);
        return false;
    }
}

void ImportPixmap(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    HideCharEditor(session);
    const auto path = AskTransferPath(session, kDialog);
    if (!path || ImportPixmapFile(session, *path)) return;
    NoticeRefusedFile(session, "import", *path);
    ++session.refusedFiles;
}

}  // namespace gft
