#pragma once

#include <vector>

namespace gft {

class Session;

// Tools > "Find duplicates": logs each group of look-alike present glyphs
// ("Identical: " and its codes), selects all but the first of each group
// (the rest unselected) and logs how many duplicates it found.
void FindDuplicates(Session& session);

// Edit > "Fit width to ink...": asks for the spacing, then fits.
void AskFitWidthToInk(Session& session);
// Every selected present glyph with ink gets the width of its ink plus
// spacing (0..8) blank columns.
void FitWidthsToInk(Session& session, int spacing);

// Edit > "Revert to saved": the selected glyphs, or the one under the mouse
// when none is selected, as they were last loaded or saved. When that leaves
// nothing changed, the title loses its " (*)" (" (=)" while the selection
// still differs).
void RevertToSaved(Session& session);
// The same for these codes.
void RevertGlyphs(Session& session, const std::vector<int>& codes);

}  // namespace gft
