#pragma once

namespace gft {

class Session;

// Mouse buttons and modifier keys as the tile grid reports them.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ModifierKey { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// A mouse button pressed on tile code: left picks a
// glyph up or drops it, right toggles the selection, middle opens the
// character editor. Only for codes 0..255 while a font is loaded.
void PressOnTile(Session& session, int code, int button, int modifiers);

}  // namespace gft
