// The game-font effects of Edit > Transform on the selected glyphs.
#include "commands/glyphs/transforms.h"

#include <algorithm>
#include <array>
#include <string>

#include "commands/glyphs/hover.h"
#include "commands/glyphs/move_copy.h"
#include "format/glyph_analysis.h"
#include "format/glyph_repeats.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

namespace {

constexpr int kDefaultItalicStep = 2;

const char* EffectName(GlyphEffect effect) {
    switch (effect) {
        case GlyphEffect::Bold:
            return "Bold";
        case GlyphEffect::Italic:
            return "Italic";
        case GlyphEffect::Outline:
            return "Outline";
        case GlyphEffect::Shadow:
            return "Shadow";
        case GlyphEffect::Invert:
            break;
    }
    return "Invert";
}

bool AnySelected(const Font& font) {
    return std::any_of(font.Selected.begin(), font.Selected.end(),
                       [](std::uint8_t s) { return s != 0; });
}

// A transform that needs a selection says so when there is none; both
// drop a picked-up glyph first, as every glyph-set command does.
bool ReadyForSelection(Session& session) {
    if (!session.font.FontLoaded) return false;
    CancelMove(session);
    if (AnySelected(session.font)) return true;
    session.Log("No characters selected");
    return false;
}

struct EffectTotals {
    int applied = 0;
    int changed = 0;
    int cut = 0;
};

// The effect on every selected present glyph; a repeat of the glyph before
// it takes that one's result.
EffectTotals ApplyToSelection(Font& font, GlyphEffect effect, int italicStep) {
    GlyphChoice chosen{};
    for (std::size_t code = 0; code < kGlyphCount; ++code)
        chosen[code] = font.Selected[code] != 0 && font.Chars[code].Present;
    const auto repeats = RepeatsOfPrevious(font, chosen);
    std::array<EffectOutcome, kGlyphCount> outcomes{};
    EffectTotals totals;
    for (std::size_t code = 0; code < kGlyphCount; ++code) {
        if (!chosen[code]) continue;
        CharInfo& glyph = font.Chars[code];
        if (const int repeat = repeats[code]; repeat >= 0) {
            glyph = font.Chars[repeat];
            outcomes[code] = outcomes[repeat];
        } else {
            outcomes[code] = ApplyEffect(glyph, font.FontHeight, effect, italicStep);
        }
        totals.applied += outcomes[code].applied;
        totals.changed += outcomes[code].changed;
        totals.cut += outcomes[code].inkCut;
    }
    return totals;
}

}  // namespace

void ApplyGlyphEffect(Session& session, GlyphEffect effect, int italicStep) {
    if (!ReadyForSelection(session)) return;
    Font& font = session.font;
    const EffectTotals totals = ApplyToSelection(font, effect, italicStep);
    if (totals.changed > 0) {
        font.MaxWidth = WidestGlyph(font);
        RedrawTiles(session, 0, 255);
        session.SetEditStatus(2);
        ShowHoverAgain(session);
    }
    std::string line = std::string(EffectName(effect)) + " applied to " +
                       std::to_string(totals.applied) + " characters";
    if (totals.cut > 0) line += ", ink cut at width 255 on " + std::to_string(totals.cut);
    session.Log(line);
}

void AskItalic(Session& session) {
    if (!ReadyForSelection(session)) return;
    const auto step = session.view.AskNumber(
        "Italic", "Rows per column of slant (1..8):", kDefaultItalicStep, 1, kMaxItalicStep);
    if (step && *step >= 1 && *step <= kMaxItalicStep)
        ApplyGlyphEffect(session, GlyphEffect::Italic, *step);
}

}  // namespace gft
