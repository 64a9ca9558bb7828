#pragma once

#include <string>
#include <vector>

namespace gft::cli {

// grindfnt import-font FONTFILE SIZE OUT.fnt: a typeface saved as a font.
// Prints the log lines; returns the exit status.
int ImportFontVerb(const std::vector<std::string>& args);

// grindfnt render FONT TEXT -o OUT.png [--scale N]: a line of text drawn
// with the font as a PNG picture.
int RenderVerb(const std::vector<std::string>& args);

}  // namespace gft::cli
