#include "commands/files/recent_fonts.h"

#include <algorithm>

#include "commands/files/file_commands.h"
#include "format/ini_file.h"
#include "session/session.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

constexpr const char* kSection = "RecentFonts";

std::string KeyOf(std::size_t index) {
    return "Font" + std::to_string(index + 1);
}

void Add(std::vector<std::string>& list, const std::string& path) {
    std::erase(list, path);
    list.insert(list.begin(), path);
    if (list.size() > kRecentFontCount) list.resize(kRecentFontCount);
}

void Tell(Session& session) {
    session.view.RecentFontsChanged(session.recentFonts);
}

}  // namespace

void RememberRecentFont(Session& session, const std::string& path) {
    if (path.empty()) return;
    Add(session.recentFonts, AbsolutePath(path));
    Tell(session);
}

std::vector<RecentFont> RecentFontEntries(const Session& session) {
    std::vector<RecentFont> entries;
    for (const std::string& path : session.recentFonts)
        entries.push_back({path, IsRegularFile(path)});
    return entries;
}

std::string RecentFontCaption(std::size_t index, const std::string& path) {
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : path) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

void OpenRecentFont(Session& session, std::size_t index) {
    if (index >= session.recentFonts.size()) return;
    const std::string path = session.recentFonts[index];
    if (!IsRegularFile(path)) {
        session.recentFonts.erase(session.recentFonts.begin() + static_cast<std::ptrdiff_t>(index));
        Tell(session);
        session.Log("Recent font no longer found, taken off the list: " + path);
        return;
    }
    OpenChosenFile(session, kModeLoad, path);
}

void ClearRecentFonts(Session& session) {
    session.recentFonts.clear();
    Tell(session);
}

void ApplyRecentFontSettings(Session& session, const IniFile& file) {
    session.recentFonts.clear();
    for (std::size_t index = 0; index < kRecentFontCount; ++index) {
        const std::string path = file.Get(kSection, KeyOf(index), "");
        if (!path.empty() && std::find(session.recentFonts.begin(), session.recentFonts.end(),
                                       path) == session.recentFonts.end())
            session.recentFonts.push_back(path);
    }
    Tell(session);
}

// An empty list leaves no section behind.
void StoreRecentFontSettings(const Session& session, IniFile& file) {
    file.RemoveSection(kSection);
    for (std::size_t index = 0; index < session.recentFonts.size(); ++index)
        file.Set(kSection, KeyOf(index), session.recentFonts[index]);
}

}  // namespace gft
