#pragma once

namespace gft::ui {

// The painted glyph grid as assistive technology and UI test tools see it: a
// table of 256 cells, each named as its tile widget used to be (imgChar_65),
// described by its character and codes, at its place on the screen. Installed
// once; nothing is made until such a tool asks.
void InstallTileAccessibility();

}  // namespace gft::ui
