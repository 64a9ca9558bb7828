// A session with the character editor open on one glyph, a view that records
// the cells and report line the editor shows, and a plain reference model of
// glyph bits that the editor's byte arithmetic is checked against.
#pragma once

#include <filesystem>
#include <ostream>
#include <random>
#include <vector>

#include "commands/editor/char_editor.h"
#include "test_support.h"

namespace gft {

inline void PrintTo(const CharInfo& g, std::ostream* os) {
    *os << "{width " << int(g.Width) << (g.Present ? ", present" : ", absent") << ", bytes";
    for (const auto byte : g.Pixels)
        *os << ' ' << std::hex << int(byte) << std::dec;
    *os << '}';
}

}  // namespace gft

namespace gft::test {

struct EditorView : RecordingView {
    std::vector<std::pair<int, int>> cells;
    std::string report;

    void EditorCellChanged(int col, int row) override { cells.emplace_back(col, row); }
    void EditorReportChanged(const std::string& text) override { report = text; }
};

struct EditorFixture {
    TempDir dir;
    EditorView view;
    Session session{view};

    EditorFixture() {
        const std::string tiles = dir.File("tiles");
        std::filesystem::create_directory(tiles);
        session.TempFolder = tiles + "/";
    }

    // Puts a font of this height in memory, glyph at code, and opens the editor on it.
    void Open(int height, int code, const CharInfo& glyph) {
        Font& font = session.font;
        font.FontLoaded = true;
        font.FontHeight = static_cast<std::uint8_t>(height);
        for (auto& c : font.Chars)
            MakeAbsent(c, height);
        font.Chars[code] = glyph;
        session.EditorChar = static_cast<std::uint8_t>(code);
        OpenCharEditor(session);
    }
    CharInfo& Edit() { return session.editor.EditChr; }
    std::vector<std::string> LogSince(std::size_t first) const { return LogOf(session, first); }
};

inline CharInfo MakeGlyph(int width, Bytes pixels, bool present = true) {
    CharInfo glyph;
    glyph.Present = present;
    glyph.Width = static_cast<std::uint8_t>(width);
    glyph.Pixels = std::move(pixels);
    return glyph;
}

inline CharInfo RandomGlyph(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Bytes pixels(static_cast<std::size_t>(CharInfo::BytesPerRowFor(width) * height));
    for (auto& byte : pixels)
        byte = static_cast<std::uint8_t>(random());
    return MakeGlyph(width, std::move(pixels));
}

// A glyph as rows of bits, all BytesPerRow * 8 columns of each row.
struct RefGlyph {
    int width = 0;
    bool present = true;
    std::vector<std::vector<bool>> rows;

    static int Columns(int width) { return width == 0 ? 8 : (width + 7) / 8 * 8; }

    explicit RefGlyph(const CharInfo& glyph, int height)
        : width(glyph.Width), present(glyph.Present) {
        const int columns = Columns(width);
        for (int r = 0; r < height; ++r) {
            std::vector<bool> row;
            for (int c = 0; c < columns; ++c)
                row.push_back(glyph.Pixels[r * columns / 8 + c / 8] >> (7 - c % 8) & 1);
            rows.push_back(row);
        }
    }
    CharInfo ToGlyph() const {
        const int columns = Columns(width);
        Bytes pixels(rows.size() * columns / 8, 0);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (int c = 0; c < columns; ++c)
                if (rows[r][c]) pixels[r * columns / 8 + c / 8] |= 0x80 >> (c % 8);
        return MakeGlyph(width, pixels, present);
    }
    void Resize(int newWidth) {
        width = newWidth;
        for (auto& row : rows)
            row.resize(Columns(newWidth), false);
    }
};

}  // namespace gft::test
