#pragma once

#include <vector>

#include "format/font_model.h"

namespace gft {

class Session;

// Edit menu: 0 "Copy upper case over lower case", 1 "Copy international UC
// over LC block"; every glyph reported in the log.
void mnuCopyBlock_Click(Session& session, int index);

// "Delete all selected": empties every selected glyph and unselects it.
void mnuDelAllSelected_Click(Session& session);

// True unless glyphs a and b have equal bytes, width and presence.
bool CharsDiffer(const Session& session, int a, int b);

// What block copy did for one destination code (its source is 32 below).
enum class BlockCopyOutcome {
    kReplaced,      // the source differed and was copied
    kSourceEmpty,   // the source differed but has no glyph: nothing copied
    kSame,          // equal glyphs
    kSameEmpty,     // both empty
    kEditManually,  // 247 and 255 are never written
};

struct BlockCopyStep {
    int destination;
    BlockCopyOutcome outcome;
};

// The model half of block copy, without log or redraw: the steps for the
// destinations of block index (0 or 1) in ascending order.
std::vector<BlockCopyStep> CopyBlockGlyphs(Font& font, int index);

}  // namespace gft
