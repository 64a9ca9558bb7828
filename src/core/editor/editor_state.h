#pragma once

#include <cstdint>

#include "font/char_info.h"

namespace gft {

// The character editor's working copy of one glyph. Only "Apply" writes it
// back into the font.
struct EditorState {
    CharInfo EditChr;
    CharInfo EditChrBackup;  // the glyph as it was loaded, for "Restore"
    std::uint8_t NonUsedPart = 0;
    bool visible = false;
};

}  // namespace gft
