#pragma once

#include <optional>
#include <string>

namespace gft {

class Session;

// "Clear log": the log is emptied and says so.
void ClearMessageLog(Session& session);

// A double-click on a log line: with a font loaded, a line "Character N ..."
// opens the editor on N; any other line is shown in a message box.
void OpenLogLine(Session& session, const std::string& line);

// The leading decimal number of text, as the program reads numbers from
// text: leading blanks skipped, reading stops at the first character that is
// not part of the number, no digits gives 0. Empty on a value that does not
// fit an int.
std::optional<double> LeadingNumber(const std::string& text);

}  // namespace gft
