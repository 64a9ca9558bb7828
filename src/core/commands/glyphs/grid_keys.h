#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace gft {

class Session;

// The glyph grid from the keyboard. The grid has a focus tile, shown while
// the grid has the keyboard focus: the movement keys move it (never off the
// grid), Space toggles its selection as a right click does, Enter picks its
// glyph up or drops the picked-up one there as a left click does (Shift+Enter
// copies), and the hover display follows it.
enum class GridKey : std::uint8_t {
    Left,          // the code before
    Right,         // the code after
    Up,            // the row above
    Down,          // the row below
    RowStart,      // Home: first tile of the row
    RowEnd,        // End: last tile of the row
    ColumnTop,     // PgUp: top of the column (the grid is one page)
    ColumnBottom,  // PgDn: bottom of the column
    First,         // Ctrl+Home: code 0
    Last,          // Ctrl+End: code 255
    Toggle,        // Space
    Pick,          // Enter
    PickCopy,      // Shift+Enter
};

// The runner's names of the keys: left, right, up, down, home, end, pgup,
// pgdn, ctrl+home, ctrl+end, space, enter, shift+enter.
std::optional<GridKey> GridKeyNamed(std::string_view name);

// Where a movement key takes the focus from code; any other key leaves it.
int MovedFocus(int code, GridKey key);

// The focus tile: where the keys last took it, else the glyph last opened
// in the character editor.
int FocusTile(const Session& session);

// The grid gained or lost the keyboard focus. Gaining it shows the focus
// tile and puts it in the hover display.
void SetGridFocused(Session& session, bool focused);

// A key pressed while the grid has the keyboard focus.
void PressGridKey(Session& session, GridKey key);

// "Edit character..." (F4): the focus tile's glyph while the grid has the
// keyboard focus, otherwise the glyph last opened.
void EditCharacter(Session& session);

}  // namespace gft
