#pragma once

#include <string>
#include <vector>

namespace gft {

// Splits one command line string into arguments the way the program always
// has: double quotes group (and are dropped), a tab inside quotes becomes a
// space, blanks outside quotes separate. Argument 0 is there from the start,
// so a line that begins with a blank has an empty argument 0.
std::vector<std::string> TokenizeCommandLine(const std::string& line);

// What the arguments asked for. Help and unknown switches and a path that
// names no non-empty file all end in the help box.
struct CommandLineRequest {
    bool help = false;
    bool unknownSwitch = false;
    bool badPath = false;
    std::string fontPath;  // the last path argument that named a font, resolved
};

// Examines the arguments in order. "/?", "/h", "/hlp", "/help" (any case),
// "-h" and "--help" ask for help; any other argument starting with "-" is an
// unknown switch; every other one is a font path, tried in the current
// folder, in the program's folder, then as given (an absolute path only as
// given). A file:// URL, as a desktop passes it, stands for the local path it
// names. A file counts only when it holds at least one byte; each path
// argument decides anew, so the last one wins.
CommandLineRequest ExamineArguments(const std::vector<std::string>& arguments,
                                    const std::string& currentFolder,
                                    const std::string& programFolder);

// The text of the help box, lines joined by CR LF.
std::string CommandLineHelpText();

}  // namespace gft
