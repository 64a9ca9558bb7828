#pragma once

#include <cstdint>

namespace gft {

class Session;

// The right-click on tile c: flips its selection, redraws it and shows it in
// the hover display.
void ToggleSelection(Session& session, int code);

}  // namespace gft
