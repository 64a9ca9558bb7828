#pragma once

#include <string>

namespace gft {

class Session;

// The home page: the program's README as a file URL, the one installed beside
// the program (or in share/doc) if there is one, else the source tree's.
std::string HomePageUrl(const std::string& programFolder);

// The four lines of the About box, joined by CR LF.
std::string AboutText(const std::string& programFolder);

// "&About" (F1): the About text in a plain message box.
void ShowAbout(Session& session);

// "Visit Home...": opens the home page; when no browser could be started,
// the notification strip says so.
void VisitHomePage(Session& session);

}  // namespace gft
