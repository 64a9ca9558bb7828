// Block copy of capitals over small letters, and the delete of the selection.
#include "commands/glyphs/block_copy.h"

#include <algorithm>
#include <string>

#include "commands/glyphs/move_copy.h"
#include "commands/glyphs/selection.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

namespace {

// Destinations the international block never writes: their sources 215 (×)
// and 223 (ß) have no capital/small pair.
bool SkippedIntentionally(int code) {
    return code == 247 || code == 255;
}

// The log line of a step: "replaced" and "edit manually" name the
// destination, the skipped lines name the source.
std::string StepLine(const BlockCopyStep& step) {
    const std::string destination = "Character " + std::to_string(step.destination);
    const std::string source = "Character " + std::to_string(step.destination - 32);
    switch (step.outcome) {
        case BlockCopyOutcome::kReplaced:
            return destination + " replaced";
        case BlockCopyOutcome::kSourceEmpty:
            return source + " is empty - skipped";
        case BlockCopyOutcome::kSame:
            return source + " is same as destination - skipped";
        case BlockCopyOutcome::kSameEmpty:
            return source + " is empty same as destination - skipped";
        case BlockCopyOutcome::kEditManually:
            break;
    }
    return destination + " skipped - edit manually";
}

// Copies a differing present source over its destination.
BlockCopyOutcome CopyOne(const CharInfo& from, CharInfo& to) {
    if (GlyphsEqual(from, to))
        return from.Present ? BlockCopyOutcome::kSame : BlockCopyOutcome::kSameEmpty;
    if (!from.Present) return BlockCopyOutcome::kSourceEmpty;
    to = from;
    return BlockCopyOutcome::kReplaced;
}

bool Any(const std::vector<BlockCopyStep>& steps, BlockCopyOutcome outcome) {
    return std::any_of(steps.begin(), steps.end(),
                       [outcome](const BlockCopyStep& step) { return step.outcome == outcome; });
}

}  // namespace

std::vector<BlockCopyStep> CopyBlockGlyphs(Font& font, CaseBlock block) {
    const int first = block == CaseBlock::Ascii ? 97 : 224;
    const int last = block == CaseBlock::Ascii ? 122 : 255;
    std::vector<BlockCopyStep> steps;
    for (int destination = first; destination <= last; ++destination) {
        steps.push_back(
            {destination, SkippedIntentionally(destination)
                              ? BlockCopyOutcome::kEditManually
                              : CopyOne(font.Glyph(destination - 32), font.Glyph(destination))});
    }
    return steps;
}

void CopyCapitalsOverSmall(Session& session, CaseBlock block) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const std::vector<BlockCopyStep> steps = CopyBlockGlyphs(session.font, block);
    for (const BlockCopyStep& step : steps)
        session.Log(StepLine(step));
    if (block == CaseBlock::International) session.Log("Two characters skipped intentionally");

    if (Any(steps, BlockCopyOutcome::kReplaced)) {
        RedrawTiles(session, steps.front().destination, steps.back().destination);
        session.setMaxWidth();
        session.SetEditStatus(2);
        session.Log("All diferent characters are copied");
    } else if (Any(steps, BlockCopyOutcome::kSourceEmpty)) {
        session.Log("Nothing copied - empty or same source");
    } else {
        session.Log("All characters to copy are actually the same");
    }
}

void DeleteSelected(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    Font& font = session.font;
    bool changed = false;
    for (int c = 0; c < kGlyphCount; ++c) {
        if (font.Selection(c) != 1) continue;
        CharInfo& glyph = font.Glyph(c);
        if (glyph.HasError != 0 || glyph.Present) {
            MakeAbsent(glyph, font.FontHeight);
            glyph.HasError = 0;
            changed = true;
        }
        SelectRange(session, c, c, 0);
    }
    if (!changed) return;
    session.setMaxWidth();
    session.SetEditStatus(2);
}

}  // namespace gft
