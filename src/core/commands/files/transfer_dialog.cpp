#include "commands/files/transfer_dialog.h"

#include "session/session.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

// The folder a dialog's answer lies in, for the next dialog of its kind.
std::string AnswerFolder(const std::string& path) {
    return path.find(kPathSeparator) == std::string::npos ? CurrentFolder() : FolderOf(path);
}

// The font's file name without its extension; "font" for a new one.
std::string FontBaseName(const Session& session) {
    std::string name = FileNameOf(session.fontFile);
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
    return name.empty() ? "font" : name;
}

}  // namespace

std::string WithExtension(const std::string& path, const std::string& extension) {
    const auto slash = path.rfind(kPathSeparator);
    const auto dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

std::string FirstDialogFolder(const Session& session) {
    if (FolderWritable(session.ProgramFolder) || session.UserFolder.empty())
        return session.ProgramFolder;
    return session.UserFolder;
}

void RememberTransferFolder(Session& session, TransferDialog dialog, const std::string& path) {
    session.transferFolders[IndexOf(dialog)] = AnswerFolder(path);
}

std::optional<std::string> AskNewFilePath(Session& session, const char* title, const char* filter,
                                          const char* pattern) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.initialName = JoinPath(FirstDialogFolder(session), pattern);
    request.save = true;
    return session.view.AskFileName(request);
}

std::optional<std::string> AskTransferPath(Session& session, const TransferDialogKind& kind) {
    const std::string& remembered = session.transferFolders[IndexOf(kind.dialog)];
    const std::string folder = remembered.empty() ? FirstDialogFolder(session) : remembered;
    FileDialogRequest request;
    request.title = kind.title;
    request.filter = kind.filter;
    request.save = kind.save;
    request.initialName = JoinPath(folder, kind.save ? FontBaseName(session) + kind.extension
                                                     : "*" + std::string(kind.extension));
    auto chosen = session.view.AskFileName(request);
    if (chosen && !kind.save) RememberTransferFolder(session, kind.dialog, *chosen);
    return chosen;
}

}  // namespace gft
