// The game-font effects of Edit > Transform on the selected glyphs.
#include "commands/glyphs/transforms.h"

#include <algorithm>
#include <string>

#include "commands/glyphs/hover.h"
#include "commands/glyphs/move_copy.h"
#include "format/glyph_analysis.h"
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

}  // namespace

void ApplyGlyphEffect(Session& session, GlyphEffect effect, int italicStep) {
    if (!ReadyForSelection(session)) return;
    Font& font = session.font;
    int applied = 0;
    int changed = 0;
    int cut = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        CharInfo& glyph = font.Glyph(code);
        if (font.Selection(code) == 0 || !glyph.Present) continue;
        const EffectOutcome outcome = ApplyEffect(glyph, font.FontHeight, effect, italicStep);
        applied += outcome.applied;
        changed += outcome.changed;
        cut += outcome.inkCut;
    }
    if (changed > 0) {
        font.MaxWidth = WidestGlyph(font);
        RedrawTiles(session, 0, 255);
        session.SetEditStatus(2);
        ShowHoverAgain(session);
    }
    std::string line =
        std::string(EffectName(effect)) + " applied to " + std::to_string(applied) + " characters";
    if (cut > 0) line += ", ink cut at width 255 on " + std::to_string(cut);
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
