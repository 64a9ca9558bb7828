#pragma once

#include <cstdint>
#include <vector>

#include "format/font_model.h"

namespace gft {

class Session;

// The two blocks whose capitals can be copied over their small letters:
// 65..90 over 97..122, and 192..223 over 224..255.
enum class CaseBlock : std::uint8_t { Ascii, International };

// "Copy upper case over lower case" and "Copy international UC over LC
// block": every glyph reported in the log.
void CopyCapitalsOverSmall(Session& session, CaseBlock block);

// "Delete all selected": empties every selected glyph and unselects it.
void DeleteSelected(Session& session);

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
// destinations of the block in ascending order.
std::vector<BlockCopyStep> CopyBlockGlyphs(Font& font, CaseBlock block);

}  // namespace gft
