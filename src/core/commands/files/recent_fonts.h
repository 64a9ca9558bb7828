#pragma once

#include <string>
#include <vector>

namespace gft {

class IniFile;
class Session;

// File > "Recent fonts": the fonts last loaded or saved (by the dialog, a
// drop or the command line), newest first, by absolute path; kept in
// Settings.ini.
inline constexpr std::size_t kRecentFontCount = 8;

// A font was loaded from or saved to path: it heads the list, once.
void RememberRecentFont(Session& session, const std::string& path);

// The list as the menu shows it: each path, and whether the file is there.
struct RecentFont {
    std::string path;
    bool present = false;
};
std::vector<RecentFont> RecentFontEntries(const Session& session);

// The menu caption of entry index (0-based): "&1 " and the path, each "&"
// of the path doubled.
std::string RecentFontCaption(std::size_t index, const std::string& path);

// Loads entry index as the Load dialog answered with it would. A file that
// is gone is taken off the list, with a log line; a list without that entry
// does nothing.
void OpenRecentFont(Session& session, std::size_t index);

// "Clear list".
void ClearRecentFonts(Session& session);

// The list's section of Settings.ini.
void ApplyRecentFontSettings(Session& session, const IniFile& file);
void StoreRecentFontSettings(const Session& session, IniFile& file);

}  // namespace gft
