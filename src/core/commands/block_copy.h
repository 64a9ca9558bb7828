#pragma once

namespace gft {

class Session;

// Edit menu: 0 "Copy upper case over lower case", 1 "Copy international UC
// over LC block"; every glyph reported in the log.
void mnuCopyBlock_Click(Session& session, int index);

// "Delete all selected": empties every selected glyph and unselects it.
void mnuDelAllSelected_Click(Session& session);

// True unless glyphs a and b have equal bytes, width and presence.
bool CharsDiffer(const Session& session, int a, int b);

}  // namespace gft
