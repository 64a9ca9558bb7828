// The selection commands of the Edit menu and the "&Unselect All" button.
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "commands/editor/caption.h"
#include "commands/glyphs/selection.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

namespace {

using Range = std::pair<int, int>;

// The code blocks of "Select more", in the order of CodeBlock; bounds inclusive.
const std::array<std::vector<Range>, kCodeBlockCount> kBlocks{{
    {{0, 31}},
    {{32, 47}, {58, 64}, {91, 96}, {123, 127}},
    {{48, 57}},
    {{65, 90}},
    {{97, 122}},
    {{128, 159}},
    {{160, 191}},
    {{192, 223}},
    {{224, 255}},
}};

// Ą ą Ć ć Ę ę Ł ł Ń ń Ó ó Ś ś Ż ż Ź ź in Windows-1250.
constexpr std::array<int, 18> kPolishLetters{165, 185, 198, 230, 202, 234, 163, 179, 209,
                                             241, 211, 243, 140, 156, 175, 191, 143, 159};

// Records a change of selection; the editor's caption names the selection too.
void SelectionChanged(Session& session) {
    session.SetEditStatus(1);
    UpdateEditorCaption(session);
}

// Sets one code's selection byte; redraws the code when it changed.
bool SetSelected(Session& session, int code, std::uint8_t value) {
    auto& selected = session.font.Selection(code);
    if (selected == value) return false;
    selected = value;
    RedrawTiles(session, code, code);
    return true;
}

bool Matches(const CharInfo& glyph, GlyphKind kind) {
    switch (kind) {
        case GlyphKind::PresentOfWidth0:
            return glyph.Present && glyph.Width == 0;
        case GlyphKind::WithError:
            return glyph.HasError != 0;
        case GlyphKind::Present:
            break;
    }
    return glyph.Present;
}

}  // namespace

void SelectRange(Session& session, int from, int to, std::uint8_t value) {
    if (!session.font.FontLoaded) return;
    bool changed = false;
    for (int c = std::max(from, 0); c <= std::min(to, kGlyphCount - 1); ++c)
        changed = SetSelected(session, c, value) || changed;
    if (changed) SelectionChanged(session);
}

void Select(Session& session, Selection selection) {
    if (!session.font.FontLoaded) return;
    if (selection == Selection::Invert) {
        for (auto& selected : session.font.Selected)
            selected = static_cast<std::uint8_t>(1 - selected);
        RedrawTiles(session, 0, 255);
        SelectionChanged(session);
        return;
    }
    const auto value = static_cast<std::uint8_t>(selection == Selection::All ? 1 : 0);
    bool changed = false;
    for (int c = 0; c < kGlyphCount; ++c)
        changed = SetSelected(session, c, value) || changed;
    if (changed) SelectionChanged(session);
}

void SelectWhere(Session& session, GlyphKind kind) {
    int count = 0;
    for (int c = 0; c < kGlyphCount; ++c) {
        if (!Matches(session.font.Glyph(c), kind)) continue;
        SelectRange(session, c, c, 1);
        ++count;
    }
    session.Log(std::to_string(count) + " characters matching selected criteria found");
}

void SelectBlock(Session& session, CodeBlock block) {
    for (const auto& [from, to] : kBlocks[static_cast<std::size_t>(block)])
        SelectRange(session, from, to, 1);
}

void SelectPolish(Session& session) {
    if (!session.font.FontLoaded) return;
    bool changed = false;
    for (const int code : kPolishLetters)
        changed = SetSelected(session, code, 1) || changed;
    if (changed) SelectionChanged(session);
}

}  // namespace gft
