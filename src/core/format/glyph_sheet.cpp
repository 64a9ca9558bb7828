#include "format/glyph_sheet.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "format/bit_row_writer.h"

namespace gft {

namespace {

constexpr int kMaxSide = 255;  // the most rows of a font, the most pixels of a glyph row

CharInfo ReadGlyph(const InkBitmap& sheet, int left, int top, int height, int width) {
    CharInfo glyph;
    glyph.Present = true;
    glyph.Width = static_cast<std::uint8_t>(width);
    const int stride = glyph.BytesPerRow();
    glyph.Pixels.assign(static_cast<std::size_t>(stride * height), 0);
    for (int y = 0; y < height; ++y)
        CopyBits(&glyph.Pixels[static_cast<std::size_t>(y * stride)], sheet.Row(top + y),
                 sheet.stride, static_cast<std::size_t>(left), width);
    return glyph;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reads a decimal number from the front of text and drops it and the blanks
// after it.
std::optional<int> TakeNumber(std::string_view& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    text = Trimmed(text);
    return value;
}

struct WidthLine {
    int code = 0;
    int width = 0;
};

std::optional<WidthLine> ParseWidthLine(std::string_view line) {
    std::string_view rest = Trimmed(line);
    const auto code = TakeNumber(rest);
    const auto width = TakeNumber(rest);
    if (!code || !width || !rest.empty()) return std::nullopt;
    if (*code < 0 || *code >= kGlyphCount || *width < 1) return std::nullopt;
    return WidthLine{*code, *width};
}

// Why a sheet and its table cannot be imported at all; empty when they can.
std::string RefusedSheet(const InkBitmap& sheet, std::string_view widthTable) {
    const int cellHeight = sheet.height / kSheetRows;
    if (sheet.width < kSheetColumns || sheet.height < kSheetRows ||
        sheet.width % kSheetColumns != 0 || sheet.height % kSheetRows != 0)
        return "Image size must be 16 x 16 equal cells";
    if (cellHeight > kMaxSide)
        return "Cells are " + std::to_string(cellHeight) + " pixels high; a font is at most 255";
    if (widthTable.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return "Width table is empty";
    return {};
}

using Widths = std::array<std::optional<int>, kGlyphCount>;

// The width of each code with a line; a junk line or a second line for a
// code is skipped, a width beyond the cell cut to it, each with a note.
Widths ParseWidthTable(std::string_view table, int cellWidth, std::vector<std::string>& notes) {
    Widths widths{};
    const int widest = std::min(cellWidth, kMaxSide);
    for (int number = 1; !table.empty(); ++number) {
        const std::size_t end = std::min(table.find('\n'), table.size());
        const std::string_view line = table.substr(0, end);
        table.remove_prefix(std::min(end + 1, table.size()));
        if (Trimmed(line).empty()) continue;
        const auto parsed = ParseWidthLine(line);
        if (!parsed || widths[parsed->code]) {
            notes.push_back("Width table line " + std::to_string(number) + " skipped");
            continue;
        }
        if (parsed->width > widest)
            notes.push_back("Width of " + std::to_string(parsed->code) + " cut from " +
                            std::to_string(parsed->width) + " to " + std::to_string(widest));
        widths[parsed->code] = std::min(parsed->width, widest);
    }
    return widths;
}

}  // namespace

SheetGeometry SheetGeometryOf(const Font& font) {
    return {std::max<int>(font.MaxWidth, 1), font.FontHeight};
}

InkRows GlyphSheetRows(const Font& font) {
    const SheetGeometry cell = SheetGeometryOf(font);
    const auto draw = [&font, cell](int y, std::uint8_t* row) {
        const int glyphRow = y % cell.cellHeight;
        const int firstCode = y / cell.cellHeight * kSheetColumns;
        BitRowWriter line(row, (static_cast<std::size_t>(cell.cellWidth) * kSheetColumns + 7) / 8);
        for (int code = firstCode; code < firstCode + kSheetColumns; ++code) {
            const CharInfo& glyph = font.Glyph(code);
            const int start = glyphRow * glyph.BytesPerRow();
            const bool drawn = glyph.Present && glyph.DataSize() >= start + glyph.BytesPerRow();
            const int width = drawn ? std::min<int>(glyph.Width, cell.cellWidth) : 0;
            if (width > 0)
                line.Put(&glyph.Pixels[static_cast<std::size_t>(start)],
                         static_cast<std::size_t>(glyph.DataSize() - start), width);
            line.Skip(cell.cellWidth - width);
        }
        line.Finish();
    };
    return {cell.cellWidth * kSheetColumns, cell.cellHeight * kSheetRows, draw};
}

InkBitmap DrawGlyphSheet(const Font& font) {
    return Drawn(GlyphSheetRows(font));
}

std::string WidthTable(const Font& font) {
    std::string table;
    for (int code = 0; code < kGlyphCount; ++code)
        if (font.Glyph(code).Present && font.Glyph(code).Width > 0)
            table += std::to_string(code) + " " + std::to_string(font.Glyph(code).Width) + "\n";
    return table;
}

SheetImport ReadGlyphSheet(const InkBitmap& sheet, std::string_view widthTable) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // written by some editors
    if (widthTable.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        widthTable.remove_prefix(kByteOrderMark.size());
    SheetImport result;
    result.error = RefusedSheet(sheet, widthTable);
    if (!result.ok()) return result;
    const int cellWidth = sheet.width / kSheetColumns;
    const int cellHeight = sheet.height / kSheetRows;
    const SheetGeometry cell{cellWidth, cellHeight};
    const Widths widths = ParseWidthTable(widthTable, cellWidth, result.notes);
    if (std::none_of(widths.begin(), widths.end(), [](const auto& w) { return w.has_value(); })) {
        result.error = "Width table has no line \"CODE WIDTH\"";
        return result;
    }
    result.height = static_cast<std::uint8_t>(cellHeight);
    for (int code = 0; code < kGlyphCount; ++code) {
        if (widths[code])
            result.chars[code] =
                ReadGlyph(sheet, cell.Left(code), cell.Top(code), cellHeight, *widths[code]);
        else
            MakeAbsent(result.chars[code], cellHeight);
    }
    return result;
}

}  // namespace gft
