#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "format/code_page.h"
#include "format/font_model.h"

namespace gft {

struct TypefaceOptions {
    int pixelSize = 16;
    CodePage codePage = CodePage::Windows1250;
    // Unset: the glyphs are rendered in black and white. Set (1..100): they
    // are rendered anti-aliased and a pixel is ink where its coverage is at
    // least this percentage, for faces that come out thin in black and white.
    std::optional<int> thresholdPercent;
};

// A font made from a typeface, or the message saying why none could be.
struct TypefaceImport {
    std::string error;   // empty on success
    Font font;           // loaded, MaxWidth set, attribute bytes zero
    int characters = 0;  // present glyphs
    int ascent = 0;      // rows above the baseline

    bool ok() const { return error.empty(); }
};

// Makes a font of any typeface FreeType reads (TrueType, OpenType, BDF, PCF,
// gzip-compressed PCF, ...). Scalable faces are set to the pixel size; a
// bitmap-only face uses the strike nearest to it (the first on a tie). The
// height is the ascent rounded up plus the descent rounded up. Each code
// 32..255 but 127 takes the glyph of its code page character, as wide as
// its advance rounded (at most 255), placed on the baseline at the ascent;
// ink outside the cell is cut. Codes without a character or glyph, glyphs
// with no advance, and codes 0..31 and 127 are absent.
// `name` is the typeface as the messages call it.
TypefaceImport ImportTypefaceFile(const std::string& path, const TypefaceOptions& options);
TypefaceImport ImportTypefaceBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                                   const TypefaceOptions& options);

// The strike a bitmap-only face is imported at: the index of the pixel size
// nearest to the one asked for, the first of equally near ones; -1 for none.
int NearestStrike(std::span<const long> pixelSizes, int pixelSize);

}  // namespace gft
