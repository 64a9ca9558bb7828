#pragma once

#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

// An 8 x 8 font file for 8-bit computers: every glyph as its top 8 rows, the
// leftmost 8 pixels of each; rows beyond the height, bits beyond the width
// and absent glyphs are 0.
struct EightBitExport {
    Bytes bytes;
    int cut = 0;      // exported glyphs larger than 8 x 8
    int leftOut = 0;  // present glyphs the file has no place for
};

// 1024 bytes in the Atari's internal order: file position k holds code k + 32
// for k < 64, k - 64 for 64 <= k < 96 and k for 96 <= k < 128. Codes 128..255
// have no place.
EightBitExport ExportAtariFont(const Font& font);

// 2048 bytes, codes 0..255 in order.
EightBitExport ExportEightBitFont(const Font& font);

}  // namespace gft
