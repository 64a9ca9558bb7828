#pragma once

#include <array>

#include "commands/editor/grid_geometry.h"
#include "format/font_model.h"

namespace gft {

class Session;

// "[Show compared]": the character editor shows the compared font's glyph of
// the code it edits under its cells, each of its ink pixels as a faint square
// inside the cell, so that ink on both sides, ink only in the editor and ink
// only in the compared glyph all look different.
inline constexpr Rgb kComparedInkColor{52, 134, 22};

// Keeps the glyphs of the font just compared with; the box can be used.
void KeepComparedFont(Session& session, const std::array<CharInfo, kGlyphCount>& chars);
// A new font replaces the one compared against: the glyphs go, the box is
// disabled.
void ForgetComparedFont(Session& session);

// The compared glyph the editor shows now: with the box on and a compared
// font kept, that font's glyph of the code in the editor; else nothing.
const CharInfo* OverlayGlyph(const Session& session);

// Whether the shown compared glyph has ink in the grid cell col, row
// (0-based): any bit of its rows, the bits beyond its width included.
bool ComparedInk(const CharInfo& compared, int comparedHeight, int col, int row);

// The faint square drawn inside cell col, row of a grid at pitch.
GridRect ComparedMark(int col, int row, int pitch = kCellPitch);

}  // namespace gft
