#pragma once

namespace gft {

class Session;

// Refresh (F5): redraws every tile, recomputes the widest width, rebuilds
// the title and the hover display. Only while a font is loaded.
void Refresh(Session& session);

// "E&xit": asks the view to close the window, whose closing runs the
// shutdown.
void RequestExit(Session& session);

// Esc in the main window: cancels a pick-up, or closes the window when
// nothing is unsaved; with unsaved changes it does nothing.
void EscapePressed(Session& session);

// "Set base font...": the font dialog on the base font; the choice goes to
// the hover label and the editor's label. Cancel keeps the font.
void ChooseBaseFont(Session& session);

}  // namespace gft
