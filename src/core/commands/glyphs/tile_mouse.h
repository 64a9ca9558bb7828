#pragma once

namespace gft {

class Session;

// Mouse buttons and modifier keys as the tile grid reports them.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ModifierKey { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// A mouse button pressed on tile index (imgChar_MouseDown): left picks a
// glyph up or drops it, right toggles the selection, middle opens the
// character editor. Only for codes 0..255 while a font is loaded.
void imgChar_MouseDown(Session& session, int index, int button, int shift);

}  // namespace gft
