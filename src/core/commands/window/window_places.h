#pragma once

#include <optional>
#include <span>

#include "session/window_places.h"

namespace gft {

class IniFile;
class Session;

// Windows keep their place (size, position and, for the main window, the
// maximised state) in Settings.ini's section [Windows], one key a window:
// "Main=X,Y,WIDTH,HEIGHT" and "MainMaximized=0|1", "Editor=...",
// "TextPreview=...".

// The saved place, if it may be used on these screens (their available
// areas): its top edge, where the window is taken hold of, must lie on one
// of them for a stretch, else the place is ignored. A place larger than that
// screen shrinks to fit it.
std::optional<WindowPlace> RestoredPlace(const WindowPlace& saved,
                                         std::span<const ScreenRect> screens);

// A window's default size, made smaller where the screen's available area
// (with room for the window's frame) is smaller.
ScreenRect FittedSize(int width, int height, const ScreenRect& screen);

void ApplyWindowPlaceSettings(Session& session, const IniFile& file);
// Asks the view where each window stands now, then writes every place known.
void StoreWindowPlaceSettings(Session& session, IniFile& file);

}  // namespace gft
