#pragma once

#include <cstdint>
#include <vector>

#include "format/font_model.h"

namespace gft {

class Session;

enum class Edge : std::uint8_t { Top, Bottom };
enum class RowStep : std::uint8_t { Add, Remove };

// The Height menu: adds a blank row at an edge of every glyph, or removes
// the row there. Removing is refused while a glyph has ink in the row, and
// at height 1.
void ChangeHeight(Session& session, Edge edge, RowStep step);

// The row shifting behind the height commands, on the model alone: no limit
// checks, no log, no redraw. Every glyph, absent ones included, changes.
// Adds a blank row at an edge of every glyph and grows FontHeight by one.
void AddBlankRow(Font& font, Edge edge);
// Drops the row at an edge of every glyph and lowers FontHeight by one.
void RemoveRow(Font& font, Edge edge);
// The codes, ascending, whose row at the edge has any bit set, the bits
// beyond the width included.
std::vector<int> RowObstacles(const Font& font, Edge edge);

}  // namespace gft
