#pragma once

#include "format/glyph_effects.h"

namespace gft {

class Session;

// Edit > Transform: "Bold", "Outline", "Shadow", "Invert" apply their effect
// to every selected present glyph, "Italic..." after asking for the step
// (1..8). Each logs "<Name> applied to N characters" (and on how many ink
// was cut at width 255), or "No characters selected".
void ApplyGlyphEffect(Session& session, GlyphEffect effect, int italicStep = 2);
void AskItalic(Session& session);

}  // namespace gft
