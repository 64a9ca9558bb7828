#include "commands/window/about.h"

#include <cstdio>
#include <filesystem>

#include "session/notices.h"
#include "session/session.h"
#include "support/file_helpers.h"
#include "support/version.h"

namespace gft {

namespace {

// Everything but unreserved characters and "/" as %XX.
std::string PercentEncoded(const std::string& path) {
    std::string url;
    for (const unsigned char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == '/';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            url += escaped;
        }
    }
    return url;
}

std::string FileUrl(const std::string& path) {
    std::filesystem::path full(path);
    if (full.is_relative()) full = std::filesystem::path(CurrentFolder()) / full;
    return "file://" + PercentEncoded(full.lexically_normal().string());
}

}  // namespace

std::string HomePageUrl(const std::string& programFolder) {
    const std::string besideProgram = JoinPath(programFolder, "README.md");
    const std::string candidates[] = {
        besideProgram,
        JoinPath(programFolder, "../share/doc/grindfnttool/README.md"),
#ifdef GFT_SOURCE_README
        GFT_SOURCE_README,
#endif
    };
    for (const auto& candidate : candidates)
        if (GetFileLength(candidate) > 0) return FileUrl(candidate);
    return FileUrl(besideProgram);
}

std::string AboutText(const std::string& programFolder) {
    return ProgramCaption() + " WIP Beta \r\n" +
           "An editor for the binary FNT font files of the game Grindlemoor.\r\n" + "\r\n" +
           HomePageUrl(programFolder);
}

void ShowAbout(Session& session) {
    session.view.MessageBox(AboutText(session.ProgramFolder));
}

void VisitHomePage(Session& session) {
    const std::string url = HomePageUrl(session.ProgramFolder);
    if (!session.view.OpenUrl(url))
        ShowNotice(
            session,
            {NoticeKind::Failure, "Could not start a web browser for the home page " + url, {}});
}

}  // namespace gft
