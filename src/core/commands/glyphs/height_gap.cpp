// Growing and shrinking the font height one blank row at a time.
#include "commands/glyphs/height_gap.h"

#include <algorithm>
#include <string>
#include <utility>

#include "commands/editor/char_editor.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

namespace {

constexpr int kMaxHeight = 255;

// The bytes of the first or last row of a glyph.
std::pair<Bytes::const_iterator, Bytes::const_iterator> EdgeRow(const CharInfo& glyph, Edge edge) {
    const auto size = static_cast<std::ptrdiff_t>(glyph.Pixels.size());
    const auto row = std::min<std::ptrdiff_t>(glyph.BytesPerRow(), size);
    if (edge == Edge::Top) return {glyph.Pixels.begin(), glyph.Pixels.begin() + row};
    return {glyph.Pixels.end() - row, glyph.Pixels.end()};
}

// Both return whether the height changed.
bool Increase(Session& session, Edge edge) {
    if (session.font.FontHeight >= kMaxHeight) return false;
    HideCharEditor(session);
    AddBlankRow(session.font, edge);
    return true;
}

bool Decrease(Session& session, Edge edge) {
    Font& font = session.font;
    if (font.FontHeight <= 1) {
        session.Log("Font height is too small (" + std::to_string(font.FontHeight) + ")");
        return false;
    }
    const std::vector<int> obstacles = RowObstacles(font, edge);
    for (const int code : obstacles)
        session.Log("Character " + std::to_string(code) + " blocking decrease " +
                    (edge == Edge::Top ? "top" : "down") + " gap");
    if (!obstacles.empty()) {
        session.Log("Total obstacles " + std::to_string(obstacles.size()));
        return false;
    }
    HideCharEditor(session);
    RemoveRow(font, edge);
    return true;
}

}  // namespace

void AddBlankRow(Font& font, Edge edge) {
    for (CharInfo& glyph : font.Chars) {
        const auto row = static_cast<std::size_t>(glyph.BytesPerRow());
        if (edge == Edge::Top)
            glyph.Pixels.insert(glyph.Pixels.begin(), row, 0);
        else
            glyph.Pixels.resize(glyph.Pixels.size() + row, 0);
    }
    ++font.FontHeight;
}

void RemoveRow(Font& font, Edge edge) {
    for (CharInfo& glyph : font.Chars) {
        const auto row =
            std::min(static_cast<std::size_t>(glyph.BytesPerRow()), glyph.Pixels.size());
        if (edge == Edge::Top)
            glyph.Pixels.erase(glyph.Pixels.begin(),
                               glyph.Pixels.begin() + static_cast<std::ptrdiff_t>(row));
        else
            glyph.Pixels.resize(glyph.Pixels.size() - row);
    }
    --font.FontHeight;
}

std::vector<int> RowObstacles(const Font& font, Edge edge) {
    std::vector<int> codes;
    for (int code = 0; code < kGlyphCount; ++code) {
        const auto [first, last] = EdgeRow(font.Glyph(code), edge);
        if (std::any_of(first, last, [](std::uint8_t byte) { return byte != 0; }))
            codes.push_back(code);
    }
    return codes;
}

void ChangeHeight(Session& session, Edge edge, RowStep step) {
    if (!session.font.FontLoaded) return;
    if (!(step == RowStep::Add ? Increase(session, edge) : Decrease(session, edge))) return;
    RedrawTiles(session, 0, 255);
    session.SetEditStatus(2);
}

}  // namespace gft
