#include "commands/files/import_font.h"

#include "commands/editor/compare_overlay.h"
#include "commands/files/lok_file.h"
#include "format/eight_bit_font.h"
#include "session/preview.h"
#include "session/session.h"
#include "support/file_helpers.h"

namespace gft {

bool ImportEightBitFont(Session& session, const std::string& path, bool remap) {
    const std::int64_t length = GetFileLength(path);
    if (length == -1) {
        session.Log("File not found!");
        return false;
    }
    if (length == 0) {
        session.Log("File is empty, nothing to import");
        return false;
    }
    for (const std::string& line : EightBitSizeWarnings(length))
        session.Log(line);
    std::array<std::uint8_t, kGlyphCount> selected{};
    LoadSelectionTable(session, path, selected);
    Bytes file;
    {
        BusyPointer busy(session.view);
        file = ReadFileBytes(path, EightBitBytesToRead(length, remap), "ImportEightBitFont");
        RestoreStartFolder(session.StartFolder);
    }
    EightBitImport import = ParseEightBitFont(file, remap, selected, session.font);
    for (const std::string& line : import.lines)
        session.Log(line);
    session.font = std::move(import.font);
    RedrawTiles(session, 0, 255);
    ForgetComparedFont(session);
    session.SetEditStatus(2);
    session.Log("FNT Imported (over current)");
    return true;
}

}  // namespace gft
