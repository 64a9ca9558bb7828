#pragma once

#include <cstdint>
#include <string>

#include "format/char_info.h"

namespace gft {

// The character editor's working copy of one glyph. Only "Apply" writes it
// back into the font.
struct EditorState {
    CharInfo EditChr;
    CharInfo EditChrBackup;  // the glyph as it was loaded, for "Restore"
    std::uint8_t NonUsedPart = 0;
    bool visible = false;

    // What the window shows beside the grid: its caption, the character
    // label lblCharNo(1) and the cell report txtOut.
    std::string Caption = "Char Editor";
    std::string CharLabel;
    std::string Report = "0;0;00;000;W";
};

}  // namespace gft
