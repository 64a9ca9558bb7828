#pragma once

#include <cstdint>

namespace gft {

class Session;

// Sets codes from..to to value, redrawing each code that changes; records a
// selection change. Only while a font is loaded.
void SelectRange(Session& session, int from, int to, std::uint8_t value);

// Edit menu: 0 "Select all", 1 "&Unselect all", 2 "Invert selection".
void mnuSelect_Click(Session& session, int index);
// The "&Unselect All" button.
void cmdUnlockAll_Click(Session& session);
// 0 present of width 0, 1 all errors, 2 all present; logs the count.
void mnuSelectVar_Click(Session& session, int index);
// The nine code blocks of "Select more".
void mnuSelSpec_Click(Session& session, int index);
// The 18 Polish letters of Windows-1250.
void mnuSelectPL_Click(Session& session);

// The right-click on tile c: flips its selection, redraws it and shows it in
// the hover display.
void ToggleSelection(Session& session, int code);

}  // namespace gft
