#pragma once

#include "format/char_info.h"

namespace gft {

class Session;

// "&Apply": the working copy becomes the font's glyph EditorChar, whose tile
// is redrawn; the widest width and the edit level follow. The backup stays,
// so "Restore" still returns to the glyph as it was loaded.
void ApplyGlyph(Session& session);

// "[Auto apply]": called after every change of EditChr with the glyph as it
// was before. When the option is on and the glyph changed, it goes to the
// font at once; the widest width is recomputed (and its "> 16" lines logged)
// only when the width changed, so painting does not repeat them.
void AutoApplyIfChanged(Session& session, const CharInfo& before);

}  // namespace gft
