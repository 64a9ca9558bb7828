#pragma once

#include "session/session.h"

namespace gft {

// A click on an option: on its check box or on its menu twin (which flips the
// box), or on a menu-only toggle (which flips its mark and runs its command).
void ClickToggle(Session& session, Toggle toggle);

// Sets an option as code does (settings file, runner): nothing happens when it
// already has that value; otherwise it changes exactly as a click would.
void SetToggle(Session& session, Toggle toggle, bool on);

// Sets the mark of a menu-only toggle without running its command, as the
// settings file does; the caller redraws.
void SetMenuMark(Session& session, Toggle toggle, bool on);

// The extra work of "Use source path for output": with the option on, the
// save destination becomes the font's own file (Session::fontFile).
void UseSourcePathForOutput(Session& session);

}  // namespace gft
