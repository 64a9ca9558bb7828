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

// The folder a file dialog opens in when it remembers none: the program's
// own folder when the user may write there (a build, a copy of one's own),
// else the user's folder (documents, or home), as an installed program's
// folder is never the user's.
std::string FirstDialogFolder(const Session& session);

// Asks for a file, opening in the folder this dialog last answered with
// (FirstDialogFolder the first time). A save dialog suggests the loaded
// font's name with the extension; an open dialog lists "*" + extension. An
// open dialog's folder is remembered at once, a save dialog's only when the
// caller has written there (RememberTransferFolder), so a failed write never
// becomes the next dialog's start. An empty optional means cancelled.
std::optional<std::string> AskTransferPath(Session& session, const TransferDialogKind& kind);
void RememberTransferFolder(Session& session, TransferDialog dialog, const std::string& path);

// A save dialog for a new file of the pattern's kind ("*.bdf"), opening in
// FirstDialogFolder. An empty optional means cancelled.
std::optional<std::string> AskNewFilePath(Session& session, const char* title, const char* filter,
                                          const char* pattern);

// The path with its extension (if the file name has one) replaced.
std::string WithExtension(const std::string& path, const std::string& extension);

}  // namespace gft
