#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "format/font_model.h"
#include "format/ink_bitmap.h"

namespace gft {

// A font drawn as 16 x 16 cells, code c at column c mod 16, row c div 16.
// Every cell is cellWidth x cellHeight pixels.
inline constexpr int kSheetColumns = 16;
inline constexpr int kSheetRows = 16;

struct SheetGeometry {
    int cellWidth = 0;
    int cellHeight = 0;

    int Left(int code) const { return code % kSheetColumns * cellWidth; }
    int Top(int code) const { return code / kSheetColumns * cellHeight; }
};

// The cells of a font's sheet: the widest glyph (at least 1) by the height.
SheetGeometry SheetGeometryOf(const Font& font);

// Each present glyph's visible pixels at its cell's top left; bits beyond a
// glyph's width are not drawn. The rows are drawn as they are asked for, from
// the font, which must outlive them.
InkRows GlyphSheetRows(const Font& font);
InkBitmap DrawGlyphSheet(const Font& font);

// "CODE WIDTH\n" for every present glyph, in code order; a present glyph of
// width 0 (a fault of a damaged file) has no line.
std::string WidthTable(const Font& font);

// Glyphs read back from a sheet and its width table.
struct SheetImport {
    std::array<CharInfo, kGlyphCount> chars{};
    std::uint8_t height = 0;
    // What was skipped or changed, one log line each: junk lines with their
    // number, widths cut to the cell.
    std::vector<std::string> notes;
    // Empty on success; otherwise why nothing can be imported.
    std::string error;

    bool ok() const { return error.empty(); }
};

// The glyph set a sheet and its width table describe. A code with a line is
// present with that width (cut to the cell width) and the ink of its cell
// inside that width; bits beyond the width are 0. A code without a line is
// absent; a line of width 0 is skipped, as a present glyph is at least 1
// wide. The height is the cell height. A UTF-8 byte order mark before the
// table's first line is no part of it.
SheetImport ReadGlyphSheet(const InkBitmap& sheet, std::string_view widthTable);

}  // namespace gft
