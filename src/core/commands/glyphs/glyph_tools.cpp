#include "commands/glyphs/glyph_tools.h"

#include <algorithm>
#include <string>

#include "commands/editor/caption.h"
#include "commands/glyphs/move_copy.h"
#include "format/glyph_analysis.h"
#include "session/change_marks.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

namespace {

constexpr int kMaxSpacing = 8;

std::string CodeList(const std::vector<int>& codes) {
    std::string text;
    for (const int code : codes)
        text += (text.empty() ? "" : " ") + std::to_string(code);
    return text;
}

}  // namespace

void FindDuplicates(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    std::array<std::uint8_t, kGlyphCount> selected{};
    int duplicates = 0;
    for (const std::vector<int>& group : FindDuplicateGroups(session.font)) {
        session.Log("Identical: " + CodeList(group));
        for (std::size_t k = 1; k < group.size(); ++k)
            selected[static_cast<std::size_t>(group[k])] = 1;
        duplicates += static_cast<int>(group.size()) - 1;
    }
    if (selected != session.font.Selected) {
        session.font.Selected = selected;
        RedrawTiles(session, 0, 255);
        session.SetEditStatus(1);
        UpdateEditorCaption(session);
    }
    session.Log(std::to_string(duplicates) + " duplicate characters found");
}

void AskFitWidthToInk(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const auto spacing = session.view.AskNumber(
        "Fit width to ink", "Blank columns right of the ink (0..8):", 1, 0, kMaxSpacing);
    if (spacing) FitWidthsToInk(session, *spacing);
}

void FitWidthsToInk(Session& session, int spacing) {
    if (!session.font.FontLoaded || spacing < 0 || spacing > kMaxSpacing) return;
    Font& font = session.font;
    int fitted = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        CharInfo& glyph = font.Glyph(code);
        if (font.Selection(code) == 0 || !glyph.Present) continue;
        if (FitWidthToInk(glyph, font.FontHeight, spacing)) ++fitted;
    }
    if (fitted > 0) {
        font.MaxWidth = WidestGlyph(font);
        RedrawTiles(session, 0, 255);
        session.SetEditStatus(2);
    }
    session.Log("Width fitted on " + std::to_string(fitted) + " characters");
}

void RevertToSaved(Session& session) {
    if (!session.font.FontLoaded) return;
    std::vector<int> codes;
    for (int code = 0; code < kGlyphCount; ++code)
        if (session.font.Selection(code) != 0) codes.push_back(code);
    if (codes.empty() && session.HoverChar >= 0 && session.HoverChar < kGlyphCount)
        codes.push_back(session.HoverChar);
    RevertGlyphs(session, codes);
}

void RevertGlyphs(Session& session, const std::vector<int>& codes) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const FontSnapshot& saved = session.history.Saved();
    Font& font = session.font;
    if (saved.FontLoaded && saved.FontHeight != font.FontHeight) {
        session.Log("Cannot revert single characters: the height changed since the last save");
        return;
    }
    int reverted = 0;
    for (const int code : codes) {
        if (!GlyphChanged(session, code)) continue;
        CharInfo& glyph = font.Glyph(code);
        const auto& before = saved.Glyph(code);
        if (saved.FontLoaded && before)
            glyph = *before;
        else
            MakeAbsent(glyph, font.FontHeight);
        RedrawTiles(session, code, code);
        ++reverted;
    }
    if (reverted > 0) {
        font.MaxWidth = WidestGlyph(font);
        // Reverting the last change leaves the font as its file holds it.
        const std::uint8_t level = session.history.EditLevelAgainstSaved(font);
        font.EditStatus = level;
        session.SetEditStatus(level);
    }
    session.Log("Reverted " + std::to_string(reverted) + " characters");
}

}  // namespace gft
