#pragma once

#include <optional>
#include <string>

#include "session/transfer_dialogs.h"

namespace gft {

class Session;

// What an export's or import's file dialog shows.
struct TransferDialogKind {
    TransferDialog dialog;
    const char* title;
    const char* filter;     // "Description|*.ext|All files (*.*)|*.*"
    const char* extension;  // ".png"
    bool save;
};

// Asks for a file, opening in the folder this dialog last answered with (the
// program's folder the first time). A save dialog suggests the loaded font's
// name with the extension; an open dialog lists "*" + extension. The answer's
// folder is remembered; an empty optional means cancelled.
std::optional<std::string> AskTransferPath(Session& session, const TransferDialogKind& kind);

// The path with its extension (if the file name has one) replaced.
std::string WithExtension(const std::string& path, const std::string& extension);

}  // namespace gft
