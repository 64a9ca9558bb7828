#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "format/ttf_glyphs.h"
#include "support/bytes.h"

namespace gft {

// What the summary tables of a TrueType font say of all its glyphs.
struct FontSummary {
    std::int64_t made = 0;  // seconds since 1970
    int unit = 1;           // font units per pixel
    int unitsPerEm = 0;
    int ascender = 0;   // font units above the baseline
    int descender = 0;  // font units below it, positive
    bool hasOutline = false;
    FontBox bounds;  // of every outline
    bool longOffsets = false;

    // Horizontal metrics, over the glyphs with an outline where it says so.
    int glyphs = 0;
    int advanceMax = 0;
    int minLeftBearing = 0;   // with an outline
    int minRightBearing = 0;  // with an outline
    int maxExtent = 0;        // with an outline
    int averageAdvance = 0;   // of the glyphs with a width
    bool monospaced = false;

    // Outline sizes for 'maxp'.
    int maxPoints = 0;
    int maxContours = 0;
    int maxCompositePoints = 0;
    int maxCompositeContours = 0;
    int maxComponents = 0;

    // Characters for 'OS/2'.
    char32_t firstCharacter = 0;
    char32_t lastCharacter = 0;
    std::array<std::uint32_t, 4> unicodeRanges{};
    std::uint32_t codePageRanges = 0;
    int xHeight = 0;
    int capHeight = 0;
};

// Records a glyph's outline sizes and horizontal metrics in the summary.
void AddGlyph(FontSummary& summary, const GlyphData& glyph, int advance);

// Sets the Unicode range bits of 'OS/2' that a character falls in.
void AddUnicodeRange(FontSummary& summary, char32_t character);

Bytes HeadTable(const FontSummary& summary);
Bytes HheaTable(const FontSummary& summary);
Bytes MaxpTable(const FontSummary& summary);
Bytes Os2Table(const FontSummary& summary);
Bytes PostTable(const FontSummary& summary);
// No smoothing and no grid fitting at any size.
Bytes GaspTable();
// The control value program: dropout control on at every size. Its being
// there also keeps FreeType from hinting the font with its own auto-hinter,
// which it does to TrueType fonts without any instructions.
Bytes PrepTable();

struct FontTable {
    std::string tag;  // four characters
    Bytes bytes;
};

// The font file: the table directory (sorted by tag) and the tables in the
// order given, each padded to four bytes, with their checksums and the
// 'head' table's checksum adjustment for the whole file. It is made in the
// largest table's room, which should have space for the whole file.
Bytes AssembleFont(std::vector<FontTable> tables);

}  // namespace gft
