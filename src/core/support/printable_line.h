#pragma once

#include <string>
#include <string_view>

namespace gft {

// A line as it can be shown on one line: a control character (a line break
// in a file name, say) becomes an escape, "\n", "\r", "\t" or "\xHH"; a CR LF
// pair, which separates the lines of one log entry, stays.
std::string PrintableLine(std::string_view line);

}  // namespace gft
