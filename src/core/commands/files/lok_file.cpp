#include "commands/files/lok_file.h"

#include <algorithm>

#include "session/session.h"
#include "support/file_helpers.h"

namespace gft {

std::string LokPath(const std::string& fontPath) {
    if (fontPath.size() < 4) return {};
    return fontPath.substr(0, fontPath.size() - 3) + "lok";
}

int LoadSelectionTable(Session& session, const std::string& fontPath,
                       std::array<std::uint8_t, 256>& selected) {
    const std::string path = LokPath(fontPath);
    if (path.empty()) return 0;
    const std::int64_t length = GetFileLength(path);
    if (length < 1) return 0;
    int warnings = 0;
    if (length < 256) {
        session.Log("Selection table (lok) is smaller than 256 Bytes");
        ++warnings;
    } else if (length > 256) {
        session.Log("Selection table (lok) is bigger than 256 Bytes");
        ++warnings;
    }
    BusyPointer busy(session.view);
    const Bytes table = ReadFileBytes(path, 256, "LoadSelectionTable");
    RestoreStartFolder(session.StartFolder);
    for (std::size_t c = 0; c < table.size(); ++c)
        selected[c] = std::min<std::uint8_t>(table[c], 1);
    return warnings;
}

}  // namespace gft
