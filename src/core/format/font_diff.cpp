#include "format/font_diff.h"

#include <algorithm>
#include <sstream>

#include "format/glyph_dump.h"

namespace gft {

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool Ink(const std::string& row, std::size_t col) {
    return col < row.size() && (row[col] == '#' || row[col] == '+');
}

char Mark(const std::string& first, const std::string& second, std::size_t col) {
    const bool left = Ink(first, col);
    const bool right = Ink(second, col);
    if (left == right) return '.';
    return left ? '<' : '>';
}

std::string PaddedTo(std::string text, std::size_t width) {
    text.resize(std::max(width, text.size()), ' ');
    return text;
}

}  // namespace

std::vector<int> DifferingCodes(const Font& first, const Font& second) {
    std::vector<int> codes;
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& a = first.Glyph(code);
        const CharInfo& b = second.Glyph(code);
        if ((a.Present || b.Present) && !GlyphsEqual(a, b)) codes.push_back(code);
    }
    return codes;
}

std::string GlyphsSideBySide(const Font& first, const Font& second, int code) {
    const std::vector<std::string> left = Lines(DumpGlyph(first, code));
    const std::vector<std::string> right = Lines(DumpGlyph(second, code));
    // The heading of the second glyph without its "Character N ($X)".
    const std::string& heading = right.front();
    std::string text = left.front() + " |" + heading.substr(heading.find(" width")) + '\n';
    const std::size_t leftWidth = left.size() > 1 ? left[1].size() : 0;
    const std::size_t rightWidth = right.size() > 1 ? right[1].size() : 0;
    const std::size_t rows = std::max(left.size(), right.size());
    for (std::size_t row = 1; row < rows; ++row) {
        const std::string a = row < left.size() ? left[row] : "";
        const std::string b = row < right.size() ? right[row] : "";
        std::string marks;
        for (std::size_t col = 0; col < std::max(leftWidth, rightWidth); ++col)
            marks += Mark(a, b, col);
        text += PaddedTo(a, leftWidth) + " | " + PaddedTo(b, rightWidth) + " | " + marks + '\n';
    }
    return text;
}

std::string FontHeadDifferences(const Font& first, const Font& second) {
    std::string text;
    if (first.FontHeight != second.FontHeight)
        text += "Height " + std::to_string(first.FontHeight) + " | " +
                std::to_string(second.FontHeight) + '\n';
    if (first.AttrSection != second.AttrSection)
        text += "Attribute bytes " + AttributeBytes(first) + " | " + AttributeBytes(second) + '\n';
    return text;
}

}  // namespace gft
