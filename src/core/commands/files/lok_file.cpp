#include "commands/files/lok_file.h"

#include "format/selection_table.h"
#include "session/session.h"
#include "support/file_helpers.h"

namespace gft {

int LoadSelectionTable(Session& session, const std::string& fontPath,
                       std::array<std::uint8_t, 256>& selected) {
    const std::string path = LokPath(fontPath);
    if (path.empty()) return 0;
    const std::int64_t length = GetFileLength(path);
    if (length < 1) return 0;
    const auto warning = SelectionTableSizeWarning(length);
    if (warning) session.Log(*warning);
    BusyPointer busy(session.view);
    const Bytes table = ReadFileBytes(path, 256, "LoadSelectionTable");
    RestoreStartFolder(session.StartFolder);
    ApplySelectionTable(table, selected);
    return warning ? 1 : 0;
}

}  // namespace gft
